#!/bin/sh
# Checks the shape the code keeps: only the main window's folder knows the
# main window, no window registry, the core library includes no window
# header, no source file over 600 lines and no function over 80.
set -eu
cd "$(dirname "$0")/.."
bledy=0
blad() { echo "sprawdz_ksztalt: $*" >&2; bledy=1; }

zrodla() { find register widgets editor printing addressbook payments extras app resources \
               \( -name '*.cpp' -o -name '*.h' \) -type f | sort; }

for f in $(zrodla); do
    case "$f" in app/*) continue ;; esac
    grep -q '#include "app/glowny.h"' "$f" && blad "$f zna główne okno"
done
for f in $(zrodla); do
    grep -nE '(^|[^_[:alnum:]])okna\(\)' "$f" /dev/null && blad "$f używa rejestru okien"
done

# The core's sources, read from the CMake lists that add them.
rdzen=$(awk '/target_sources\(vandoria_core/{w=1; next} w && /\)/{w=0} w{print FILENAME"|"$1}' \
        register/CMakeLists.txt editor/CMakeLists.txt printing/CMakeLists.txt \
        addressbook/CMakeLists.txt payments/CMakeLists.txt extras/CMakeLists.txt | sed 's#/CMakeLists.txt|#/#')
okienne=$(awk '/target_sources\(vandoria_(ui|raport)/{w=1; next} w && /\)/{w=0} w{print FILENAME"|"$1}' \
        */CMakeLists.txt | sed 's#/CMakeLists.txt|#/#; s#\.cpp$#.h#')
for f in $rdzen; do
    for h in ${f%.cpp}.h $f; do
        [ -f "$h" ] || continue
        for inc in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$h"); do
            case "$inc" in widgets/*|app/*|editor/*) blad "$h (rdzeń) dołącza $inc"; continue ;; esac
            for o in $okienne; do [ "$inc" = "$o" ] && blad "$h (rdzeń) dołącza okno $inc"; done
        done
    done
done

for f in $(zrodla) $(find tests bench fuzz -name '*.cpp' -o -name '*.h' | sort); do
    n=$(wc -l < "$f")
    [ "$n" -le 600 ] || blad "$f ma $n wierszy"
done

# Functions: in this code's format a definition starts at the line's start
# and ends with a "}" alone there.

for f in $(zrodla | grep '\.cpp$'); do
    awk -v plik="$f" '
        /^(class|struct|namespace|enum|extern|union|template)/ { next }
        /^[A-Za-z_].*\{$/ && poczatek == 0 { poczatek = NR; naglowek = $0; next }
        /^\}/ && poczatek > 0 {
            if (NR - poczatek - 1 > 80)
                printf "%s:%d: %d wierszy: %s\n", plik, poczatek, NR - poczatek - 1, naglowek
            poczatek = 0
        }' "$f"
done >/tmp/funkcje.$$
if [ -s /tmp/funkcje.$$ ]; then cat /tmp/funkcje.$$ >&2; blad "funkcje ponad 80 wierszy"; fi
rm -f /tmp/funkcje.$$
exit $bledy
