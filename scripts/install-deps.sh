#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-odbc libgl-dev
  libsqlite3-dev libxlsxwriter-dev libminizip-dev zlib1g-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  unixodbc-dev tdsodbc unixodbc libsqliteodbc
  xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
