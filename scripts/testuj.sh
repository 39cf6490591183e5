#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite: first the
# suite built with AddressSanitizer and UndefinedBehaviorSanitizer and every
# fuzz target for a bounded time (60 s each), then the suite itself, whose
# summary closes the output. --szybko runs only the suite itself. The Debian
# package is built and checked before the suite in either case. The
# benchmarks are built (never run) with the same warnings as errors, and every
# source must already be in clang-format's form.
set -eu
cd "$(dirname "$0")/.."
# cupsd and CUPS's PDF filter for the test that prints through a private print
# queue; clang-format for the form check; Xvfb and xdotool for the real drag
# between two programs.
export VANDORIA_PAKIETY_TESTOW="cups-daemon cups-client cups-filters clang-format xvfb xdotool"
./scripts/przygotuj.sh -DVANDORIA_WERROR=ON -DVANDORIA_BENCH=ON

echo "== clang-format"
find register widgets editor printing addressbook payments extras app resources tests bench fuzz \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -type f | sort | xargs clang-format --dry-run --Werror

echo "== kształt kodu"
./scripts/sprawdz_ksztalt.sh

if [ "${1:-}" != "--szybko" ]; then
    echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
    VANDORIA_BUILD=build-asan VANDORIA_BUILD_TYPE=Debug ./scripts/przygotuj.sh -DVANDORIA_SANITIZE=ON -DVANDORIA_WERROR=ON
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j"$(nproc)")

    echo "== fuzzing"
    ./scripts/fuzz.sh "${VANDORIA_FUZZ_SEKUNDY:-60}"
fi

echo "== Debian package"
./scripts/sprawdz_pakiet.sh

echo "== tests"
cd "${VANDORIA_BUILD:-build}"
ctest --output-on-failure -j"$(nproc)"
