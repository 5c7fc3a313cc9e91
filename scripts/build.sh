#!/usr/bin/env bash
# Installs what is missing, then configures and builds the project in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}"
cmake --build build --parallel "$(nproc)"
