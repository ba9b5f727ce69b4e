#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12. Idempotent and quiet.
set -euo pipefail
packages=(cmake ninja-build g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 wine32:i386
          xvfb xauth googletest clang libclang-rt-14-dev imagemagick locales
          fonts-wine fonts-liberation)  # the fonts of the Wine prefixes (scripts/wine-env.sh), only recommended by wine
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# Russian for the programs (code page 1251), German for the tests of another code page (1252).
for lang in ru_RU de_DE; do
  if ! locale -a 2>/dev/null | grep -qi "^$lang.utf8$"; then
    SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
    $SUDO localedef -i "$lang" -f UTF-8 "$lang.UTF-8"
  fi
done
