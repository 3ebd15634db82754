#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)" --target morvadel
exec ./build/src/app/morvadel "$@"
