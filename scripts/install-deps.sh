#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# and the Spanish locales the tests run the program in.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-odbc libgl-dev qt6-translations-l10n
  libsqlite3-dev libxlsxwriter-dev libminizip-dev zlib1g-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  unixodbc-dev tdsodbc unixodbc libsqliteodbc
  xvfb xauth
  locales python3 python3-openpyxl
)
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The program's users run it in Spanish locales, where the C library writes
# numbers with a decimal comma; the tests run the export in them.
for loc in es_AR es_ES; do
  if ! locale -a 2>/dev/null | grep -qix "${loc}.utf8"; then
    # localedef reports warnings of the locale sources through its exit code.
    $sudo_cmd localedef -i "$loc" -c -f UTF-8 "${loc}.UTF-8" || true
    locale -a 2>/dev/null | grep -qix "${loc}.utf8" || { echo "could not make the locale ${loc}.UTF-8" >&2; exit 1; }
  fi
done
