#!/usr/bin/env bash
# Builds the program and every test, then runs all tests headless with CTest.
# A run that finds no test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
# One quick pass of the benchmark first, so that it keeps working; its
# figures are not checked. CTest's summary then closes the run.
QT_QPA_PLATFORM=offscreen bin/KytoBench --quick
ctest --output-on-failure --no-tests=error --parallel "$(nproc)"
