#!/usr/bin/env bash
# Installs the Debian 12 packages VORDA needs to build, test and run.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libsqlite3-dev sqlite3
  libgtest-dev libgmock-dev
  libboost-context-dev
  qt6-base-dev qt6-translations-l10n fonts-liberation xvfb xauth
  poppler-utils
  clang-format clang-tidy
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
