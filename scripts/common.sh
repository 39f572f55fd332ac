# Shared by start.sh, test.sh and .ci/run: the Debian packages the project needs, and the build.
set -euo pipefail

VELUNDIA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Build tools, Qt 6, test and benchmark libraries, and the fonts the captions need
# (Liberation for Arial and Courier New, Noto CJK for the Japanese texts).
VELUNDIA_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation fonts-noto-cjk fontconfig
)

# Installs what is missing when run as root; otherwise says which apt-get line to run.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "These Debian packages are missing. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
}

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
  local dir="$1"
  shift
  cmake -S "$VELUNDIA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
