#!/usr/bin/env bash
# Installs what is missing, builds Tervane and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
tervane_build "$TERVANE_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERVANE_WITH_QT=ON
exec "$TERVANE_ROOT/build/src/tervane" "$@"
