#!/usr/bin/env bash
# Installs what is missing, builds, and starts VELUNDIA.
source "$(dirname "$0")/scripts/common.sh"
ensure_packages "${VELUNDIA_PACKAGES[@]}"
configure_and_build "$VELUNDIA_ROOT/build"
exec "$VELUNDIA_ROOT/build/app/velundia" "$@"
