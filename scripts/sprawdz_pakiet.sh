#!/bin/sh
# Builds the Debian package from a Release build of its own (build-deb, no
# tests) and checks it as a distribution would: lintian on the .deb (no error,
# no warning), desktop-file-validate on the .desktop file and appstreamcli on
# the AppStream metadata it installs.
set -eu
cd "$(dirname "$0")/.."
BUILD="${VANDORIA_DEB_BUILD:-build-deb}"
# The usual set-up, but a Release build of the program alone, in its own folder.
# Installed under /usr, the private update library goes to the multiarch
# folder, which needs no ldconfig call in the maintainer scripts.
VANDORIA_BUILD="$BUILD" VANDORIA_BUILD_TYPE=Release ./scripts/przygotuj.sh -DVANDORIA_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_LIBDIR="lib/$(gcc -print-multiarch)"

PAKIETY="lintian desktop-file-utils appstream dpkg-dev"
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

rm -f "$BUILD"/vandoria_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)
DEB=$(ls "$BUILD"/vandoria_*.deb)
echo "== $DEB"

ROZPAKOWANY="$BUILD/rozpakowany"
rm -rf "$ROZPAKOWANY"
dpkg-deb -x "$DEB" "$ROZPAKOWANY"

echo "== lintian"
# Errors and warnings fail the check; informational tags are only shown.
lintian --fail-on error,warning --info "$DEB"
echo "== desktop-file-validate"
desktop-file-validate "$ROZPAKOWANY"/usr/share/applications/*.desktop
echo "== appstreamcli validate"
appstreamcli validate --no-net "$ROZPAKOWANY"/usr/share/metainfo/*.metainfo.xml
echo "== pakiet w porządku"
