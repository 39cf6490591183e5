#!/bin/sh
# Installs what is missing, builds, and starts Vandoria with the given arguments.
set -eu
cd "$(dirname "$0")/.."
./scripts/przygotuj.sh
exec "${VANDORIA_BUILD:-build}/vandoria" "$@"
