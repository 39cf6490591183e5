#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite; then the
# same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, and
# every fuzz target for a bounded time (60 s each). --szybko stops after the
# first suite.
set -eu
cd "$(dirname "$0")/.."
./scripts/przygotuj.sh
(cd "${VANDORIA_BUILD:-build}" && ctest --output-on-failure -j"$(nproc)")
[ "${1:-}" = "--szybko" ] && exit 0

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
VANDORIA_BUILD=build-asan VANDORIA_BUILD_TYPE=Debug ./scripts/przygotuj.sh -DVANDORIA_SANITIZE=ON
(cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j"$(nproc)")

echo "== fuzzing"
./scripts/fuzz.sh "${VANDORIA_FUZZ_SEKUNDY:-60}"
