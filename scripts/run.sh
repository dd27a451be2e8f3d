#!/usr/bin/env bash
# Installs what is missing, builds and starts V_Pelmaro on the embedded demo database.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build
cmake --build build -j"$(nproc)" --target V_Pelmaro
exec build/bin/V_Pelmaro "$@"
