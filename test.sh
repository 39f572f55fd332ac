#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
# VELUNDIA_SANITIZE=1 builds and tests with AddressSanitizer and UBSan in build-sanitize/.
source "$(dirname "$0")/scripts/common.sh"
ensure_packages "${VELUNDIA_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen
if [ "${VELUNDIA_SANITIZE:-0}" = 1 ]; then
  dir="$VELUNDIA_ROOT/build-sanitize"
  configure_and_build "$dir" -DVELUNDIA_SANITIZE=ON -DVELUNDIA_BENCH=OFF
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir="$VELUNDIA_ROOT/build"
  configure_and_build "$dir"
fi
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" --timeout 300
