#!/usr/bin/env bash
# Builds everything (warnings are errors) and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DTERVALIO_WERROR=ON
cmake --build build -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
