#!/usr/bin/env bash
# Installs the Debian packages Tervane needs that are missing (Debian 12), then
# configures and builds the program in build/. Sourced by run.sh and test.sh.
set -euo pipefail

TERVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export TERVANE_ROOT
TERVANE_JOBS="${TERVANE_JOBS:-$(nproc)}"
export TERVANE_JOBS

TERVANE_PACKAGES=(
  build-essential cmake g++ clang-14 libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libxlsxwriter-dev fonts-liberation2
  poppler-utils python3-ezdxf python3-openpyxl
  xvfb xauth locales-all
)

tervane_install_packages() {
  local missing=()
  local p
  for p in "${TERVANE_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
}

# tervane_build DIR [cmake options...]
tervane_build() {
  local dir="$1"
  shift
  cmake -S "$TERVANE_ROOT" -B "$dir" "$@"
  cmake --build "$dir" -j "$TERVANE_JOBS"
}

tervane_install_packages
