#!/bin/bash
# Start-up as a user meets it: the program opening a 1000-order file under one
# Xvfb, timed until its window is up with the list, paired run by run with a
# bare Qt main window (bench/goly_program.cpp). Prints the medians of CPU time
# (user + sys) and peak memory and the program's ratio to the bare window.
#
#   bench/start_programu.sh BUILD_FOLDER [PAIRS] [zle-konta]
#
# The orders have valid account numbers, as a user's have; with "zle-konta"
# every one is wrong, and every row of the list carries the warning mark.
#
# The build folder must hold a build with -DVANDORIA_BENCH=ON; nothing is built here.
set -euo pipefail

budowa=$(realpath "${1:?folder budowy}")
pary=${2:-11}
konta=${3:-}
program=$budowa/vandoria
goly=$budowa/bench/goly_program
generator=$budowa/bench/generuj_przelewy
mierz=$budowa/bench/mierz
for plik in "$program" "$goly" "$generator" "$mierz"; do
    [ -x "$plik" ] || { echo "brak $plik (zbuduj z -DVANDORIA_BENCH=ON)" >&2; exit 1; }
done
for polecenie in Xvfb; do
    command -v "$polecenie" >/dev/null || { echo "brak $polecenie" >&2; exit 1; }
done

tmp=$(mktemp -d)
xvfb_pid=
sprzatanie() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap sprzatanie EXIT

# A user who has run the program before: no first-run window, no remembered file.
export HOME=$tmp/dom XDG_CONFIG_HOME=$tmp/dom/.config VANDORIA_DIR=$tmp/program
mkdir -p "$XDG_CONFIG_HOME/Vandoria" "$VANDORIA_DIR"
printf '[General]\nFirstRun=false\n' >"$XDG_CONFIG_HOME/Vandoria/Vandoria.ini"
"$generator" "$tmp/tysiac.p2" 1000 $konta

# One X server for the whole run, on the first free display number.
for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
done
Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$n" QT_QPA_PLATFORM=xcb VANDORIA_ZAKONCZ_PO_POKAZANIU=1
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.05
done

# One run: "user+sys peak_kB" on a line.
zmierz() {
    "$mierz" "$@" 2>/dev/null >"$tmp/czas.wyjscie" || {
        echo "nieudane uruchomienie: $*" >&2
        exit 1
    }
    tail -n 1 "$tmp/czas.wyjscie"
}

# Warm-up, so that the first pair does not pay for a cold disk cache.
zmierz "$goly" >/dev/null
zmierz "$program" "$tmp/tysiac.p2" >/dev/null

: >"$tmp/wyniki"
for i in $(seq "$pary"); do
    # Alternating which goes first, so that neither always meets a busier machine.
    if [ $((i % 2)) -eq 1 ]; then
        p=$(zmierz "$program" "$tmp/tysiac.p2"); g=$(zmierz "$goly")
    else
        g=$(zmierz "$goly"); p=$(zmierz "$program" "$tmp/tysiac.p2")
    fi
    echo "$p $g" >>"$tmp/wyniki"
    printf 'para %2d: program %.4f s %s kB, goły %.4f s %s kB\n' "$i" $p $g
done

mediana() { sort -g | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
cpu_p=$(awk '{ print $1 }' "$tmp/wyniki" | mediana)
cpu_g=$(awk '{ print $3 }' "$tmp/wyniki" | mediana)
rss_p=$(awk '{ print $2 }' "$tmp/wyniki" | mediana)
rss_g=$(awk '{ print $4 }' "$tmp/wyniki" | mediana)
# The ratio of each pair, then its median: a busy moment weighs on both of a pair.
stosunek=$(awk '{ print ($3 > 0) ? $1 / $3 : 0 }' "$tmp/wyniki" | mediana)
echo
printf 'CPU (user+sys), mediana:   program %.4f s, goły %.4f s, stosunek par %.2f×\n' \
    "$cpu_p" "$cpu_g" "$stosunek"
awk -v p="$rss_p" -v g="$rss_g" 'BEGIN {
    printf "pamięć szczytowa, mediana: program %.1f MB, goły %.1f MB, różnica %+.1f MB\n",
        p / 1024, g / 1024, (p - g) / 1024 }'
