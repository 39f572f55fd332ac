#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
# VELUNDIA_SANITIZE=1 builds and tests with AddressSanitizer and UBSan in build-sanitize/.
# VELUNDIA_FUZZ=1 runs the reader's fuzzer instead (clang 14) for VELUNDIA_FUZZ_SECONDS (60) in build-fuzz/.
source "$(dirname "$0")/scripts/common.sh"
ensure_packages "${VELUNDIA_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen
if [ "${VELUNDIA_FUZZ:-0}" = 1 ]; then
  ensure_packages "${VELUNDIA_FUZZ_PACKAGES[@]}"
  run_reader_fuzzer "$VELUNDIA_ROOT/build-fuzz" "${VELUNDIA_FUZZ_SECONDS:-60}"
  exit 0
fi
if [ "${VELUNDIA_SANITIZE:-0}" = 1 ]; then
  dir="$VELUNDIA_ROOT/build-sanitize"
  configure_and_build "$dir" -DVELUNDIA_SANITIZE=ON -DVELUNDIA_BENCH=OFF
  # Leaks, use after return and static initialisation order are checked too.
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir="$VELUNDIA_ROOT/build"
  configure_and_build "$dir"
fi
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" --timeout 300
