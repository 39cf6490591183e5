#!/bin/sh
# Checks the shape the code keeps. Floors, each including only those below:
# register/ -> widgets/ -> the feature folders -> app/. The core library
# includes no window header; only app/ knows the main window; no window
# registry; no source file over 600 lines and no function over 80 (sources
# only: tests, benchmarks and fuzz targets have no size cap).
set -eu
cd "$(dirname "$0")/.."
bledy=0
blad() { echo "sprawdz_ksztalt: $*" >&2; bledy=1; }

funkcyjne="editor addressbook printing payments extras"
zrodla() { find register widgets $funkcyjne app resources \
               \( -name '*.cpp' -o -name '*.h' \) -type f | sort; }
# The project headers a file includes, one a line: "folder/file.h".
dolaczane() { sed -n 's/^#include "\([^"]*\)".*/\1/p' "$1"; }
# A window header declares a class built on a Qt widget.
okienny() { grep -qE 'public Q(Widget|Dialog|MainWindow|Frame|LineEdit)\b' "$1"; }

# --- directions between folders
for f in $(zrodla); do
    folder=${f%%/*}
    for inc in $(dolaczane "$f"); do
        cel=${inc%%/*}
        [ "$cel" = "$folder" ] && continue
        case "$folder:$cel" in
            register:*) blad "$f: register/ dołącza $inc (rdzeń zna tylko register/)" ;;
            widgets:register) ;;
            widgets:*) blad "$f: widgets/ dołącza $inc (tylko register/ i Qt)" ;;
            addressbook:editor) blad "$f: addressbook/ dołącza editor/ ($inc)" ;;
            *:app) blad "$f dołącza $inc (app/ jest na szczycie)" ;;
            app:*|resources:*|*:register|*:widgets) ;;
            *)
                # Feature folders share data, not windows.
                if [ -f "$inc" ] && okienny "$inc"; then
                    blad "$f dołącza okno innego folderu: $inc"
                fi ;;
        esac
    done
done

# --- the core's files in the feature folders: the windowless halves, named
# where the CMake lists add them to vandoria_core.
for d in $funkcyjne; do
    for plik in $(sed -n '/target_sources(vandoria_core/,/)/p' "$d/CMakeLists.txt" | grep -o '[a-z_0-9]*\.cpp'); do
        for f in "$d/$plik" "$d/${plik%.cpp}.h"; do
            [ -f "$f" ] || continue
            for inc in $(dolaczane "$f"); do
                case "$inc" in
                    widgets/*|app/*) blad "$f (rdzeń) dołącza $inc"; continue ;;
                esac
                [ -f "$inc" ] && okienny "$inc" && blad "$f (rdzeń) dołącza okno $inc"
            done
        done
    done
done

for f in $(zrodla); do
    case "$f" in app/*) continue ;; esac
    grep -q '#include "app/glowny.h"' "$f" && blad "$f zna główne okno"
done
for f in $(zrodla); do
    grep -nE '(^|[^_[:alnum:]])okna\(\)' "$f" /dev/null && blad "$f używa rejestru okien"
done

for f in $(zrodla); do
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
