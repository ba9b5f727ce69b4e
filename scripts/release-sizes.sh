#!/usr/bin/env bash
# Builds both programs as shipped (32-bit Windows, Release: optimised for size, stripped,
# statically linked) in build/release and prints each .exe's size and the DLLs it imports.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/release"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target rax40gwcfg R40GWMon >/dev/null

for exe in "$build/configurator/rax40gwcfg.exe" "$build/monitor/R40GWMon.exe"; do
  bytes=$(stat -c %s "$exe")
  printf '%s: %d bytes (%d KiB)\n' "$(basename "$exe")" "$bytes" $((bytes / 1024))
  printf '  imports:'
  i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | sort -f | tr '\n' ' '
  echo
done
