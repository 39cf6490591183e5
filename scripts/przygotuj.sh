#!/bin/sh
# Installs the Debian packages the build needs, only those that are missing,
# and builds the program into build/. Used by uruchom.sh and testuj.sh.
set -eu
cd "$(dirname "$0")/.."

PAKIETY="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libjpeg-dev fonts-liberation
poppler-utils ccache libqrencode-dev zbar-tools qt6-translations-l10n qt6-svg-dev qt6-l10n-tools"

# The test command adds what only the tests need (a CUPS server for the print queue test).
PAKIETY="$PAKIETY ${VANDORIA_PAKIETY_TESTOW:-}"

brakujace=""
for p in $PAKIETY; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || brakujace="$brakujace $p"
done
if [ -n "$brakujace" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $brakujace
fi

BUILD="${VANDORIA_BUILD:-build}"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE="${VANDORIA_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$BUILD"
