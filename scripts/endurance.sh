#!/usr/bin/env bash
# Runs the endurance benchmarks under wine, in a prefix of their own, and prints what
# they measure as they go.
#   scripts/endurance.sh                               both
#   scripts/endurance.sh monitor [TICKS]               the monitor's check loop (20000 ticks)
#   scripts/endurance.sh configurator [ROUNDS [TICKS]] the configurator's service panel (5 x 1000)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
which="${1:-both}"
shift || true
"$root/scripts/setup.sh"

source "$root/scripts/wine-env.sh" "$root/build/wineprefix-endurance"
toolchain=mingw-i686; build="$root/build/win32"
if [ "$TEST_ARCH" = x86_64 ]; then toolchain=mingw-x86_64; build="$root/build/win64"; fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" >/dev/null
cmake --build "$build" -j "$(nproc)" --target monitor_endurance configurator_endurance

programs=()
case "$which" in
  monitor) programs=("monitor/monitor_endurance.exe $*") ;;
  configurator) programs=("configurator/configurator_endurance.exe $*") ;;
  both) programs=("monitor/monitor_endurance.exe" "configurator/configurator_endurance.exe") ;;
  *) echo "usage: $0 [monitor [TICKS] | configurator [ROUNDS [TICKS]]]" >&2; exit 2 ;;
esac

wine_prefix_ready
rc=0
for program in "${programs[@]}"; do
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    source "$0/scripts/wine-env.sh" "$1"
    wine_server_warm
    cd "$2" && $WINE $3; rc=$?
    wineserver -k
    exit $rc' "$root" "$root/build/wineprefix-endurance" "$build" "$program" || rc=$?
done
exit $rc
