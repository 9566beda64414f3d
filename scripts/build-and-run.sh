#!/usr/bin/env bash
# Installs what the program needs, builds it, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
quorvin_install_packages "${QUORVIN_BUILD_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
exec ./build/app/quorvin "$@"
