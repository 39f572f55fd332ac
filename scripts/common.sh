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

# The reader's fuzz target needs clang 14 with its sanitizer runtimes and libFuzzer; only the
# fuzz run of the CI (VELUNDIA_FUZZ=1 ./test.sh) installs them.
VELUNDIA_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev libfuzzer-14-dev)

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

# run_reader_fuzzer BUILD_DIR SECONDS: builds the reader's libFuzzer target with clang 14, replays
# the committed corpus (tests/fuzz/corpus) and fuzzes on from it for SECONDS. New inputs and any
# crashing one are kept in BUILD_DIR, never written into the tree.
run_reader_fuzzer() {
  local dir="$1" seconds="$2"
  cmake -S "$VELUNDIA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DVELUNDIA_FUZZ=ON -DVELUNDIA_TESTS=OFF -DVELUNDIA_BENCH=OFF >/dev/null
  cmake --build "$dir" --target velundia-fuzz-reader --parallel "$(nproc)"
  mkdir -p "$dir/fuzz-new" "$dir/fuzz-artifacts"
  "$dir/tests/fuzz/velundia-fuzz-reader" -max_total_time="$seconds" -print_final_stats=1 \
    -dict="$VELUNDIA_ROOT/tests/fuzz/reader.dict" -artifact_prefix="$dir/fuzz-artifacts/" \
    "$dir/fuzz-new" "$VELUNDIA_ROOT/tests/fuzz/corpus"
}
