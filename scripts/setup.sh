#!/usr/bin/env bash
# Installs every Debian package the project needs, only when something is missing.
# Safe to run again: when all is present it only asks dpkg and returns.
# Extra package names given as arguments are installed the same way (the
# fuzzing script asks for clang and its fuzzer runtime so).
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipaexfont-gothic qt6-translations-l10n
  xvfb xauth x11-apps imagemagick poppler-utils
  dpkg-dev
  libsqlite3-dev zlib1g-dev
  libfontconfig-dev libfreetype-dev libharfbuzz-dev
)

PACKAGES+=("$@")

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
