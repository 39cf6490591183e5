#!/bin/sh
# Builds the fuzz targets with clang and runs each for a bounded time
# (seconds, default 60), starting from corpora the program writes itself.
set -eu
cd "$(dirname "$0")/.."
SEKUNDY="${1:-60}"
BUILD="${VANDORIA_FUZZ_BUILD:-build-fuzz}"
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || BRAK="${BRAK:-} $p"
done
if [ -n "${BRAK:-}" ]; then
    SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $BRAK
fi
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANDORIA_FUZZ=ON -DVANDORIA_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target generuj_ziarna $(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
ZIARNA="$BUILD/ziarna"
"$BUILD/fuzz/generuj_ziarna" "$ZIARNA"
for cel in $(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//'); do
    echo "== $cel ($SEKUNDY s)"
    mkdir -p "$BUILD/korpus/$cel" "$ZIARNA/$cel"
    # config.ini must reach files of many thousands of keys.
    DLUGOSC=""
    [ "$cel" = fuzz_config ] && DLUGOSC="-max_len=1000000"
    if ! QT_QPA_PLATFORM=offscreen "$BUILD/fuzz/$cel" $DLUGOSC -max_total_time="$SEKUNDY" -print_final_stats=1 \
        -artifact_prefix="$BUILD/$cel-" "$BUILD/korpus/$cel" "$ZIARNA/$cel" >"$BUILD/$cel.log" 2>&1; then
        tail -40 "$BUILD/$cel.log"
        echo "$cel: znaleziono błąd (dane wejściowe: $BUILD/$cel-*)"
        exit 1
    fi
    grep -E 'stat::number_of_executed_units|stat::new_units_added' "$BUILD/$cel.log"
done
