#!/usr/bin/env bash
# Installs what is missing, builds the Tervane program (only the program: the
# tests and benchmarks are left to test.sh) and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cmake -S "$TERVANE_ROOT" -B "$TERVANE_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERVANE_WITH_QT=ON
cmake --build "$TERVANE_ROOT/build" -j "$TERVANE_JOBS" --target tervane
exec "$TERVANE_ROOT/build/src/tervane" "$@"
