#!/usr/bin/env bash
# Installs what the build and the tests need, builds everything, and runs
# every test (unit, golden, Octave, Qt and fuzz) without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
quorvin_install_packages "${QUORVIN_BUILD_PACKAGES[@]}" "${QUORVIN_TEST_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
