#!/usr/bin/env bash
# Builds the program and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ (apart from the usual build/),
# then runs all tests headless under them. Any memory error, undefined
# behaviour or leak fails the run; leaks inside Qt's and fontconfig's own
# libraries are suppressed (scripts/lsan.supp).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKYTO_SANITIZE=ON
cmake --build build-sanitize --parallel "$(nproc)"

# Allocation stacks keep only the allocating function, so that a suppression
# matches a leak allocated inside those libraries, not everything that Qt's
# event loop calls. (For the allocation stacks of a heap error, run the test
# again with a larger malloc_context_size.)
export ASAN_OPTIONS="detect_leaks=1:malloc_context_size=2"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# On a real display Qt's X11 plugin loads Mesa's software GL driver and
# unloads it again at exit; a buffer the driver leaks can no longer be named
# then, so no suppression matches it. Nothing here draws with GL.
export QT_XCB_GL_INTEGRATION=none
# The contract test's random sequences run many times slower under the
# sanitizers; one per page (and its fixed sequences) keeps it within the
# time a test function may take.
export KYTO_CONTRACT_SEQUENCES=1
cd build-sanitize
QT_QPA_PLATFORM=offscreen bin/KytoBench --quick
ctest --output-on-failure --no-tests=error --parallel "$(nproc)"
