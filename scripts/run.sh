#!/usr/bin/env bash
# Sets up this machine, builds both programs, and starts one under wine in a demo
# program directory (a sample rax40gw.conf and voice.ini), beside a test gateway
# service registered as "RAX40 Gateway".
#   scripts/run.sh              the configurator rax40gwcfg
#   scripts/run.sh monitor      the monitor R40GWMon
# Without a display it runs under Xvfb for a few seconds and saves a screenshot.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program=rax40gwcfg
[ "${1:-}" = monitor ] && program=R40GWMon
"$root/scripts/setup.sh"

source "$root/scripts/wine-env.sh" "$root/build/wineprefix-demo"
toolchain=mingw-i686; build="$root/build/win32"
if [ "$TEST_ARCH" = x86_64 ]; then toolchain=mingw-x86_64; build="$root/build/win64"; fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" >/dev/null
cmake --build "$build" -j "$(nproc)" --target rax40gwcfg R40GWMon testgateway

demo="$root/build/demo"
mkdir -p "$demo"
cp "$build/configurator/rax40gwcfg.exe" "$build/monitor/R40GWMon.exe" "$build/testhelpers/gateway_service/testgateway.exe" "$demo/"
[ -f "$demo/rax40gw.conf" ] || cp "$root/demo/rax40gw.conf" "$demo/"
[ -f "$demo/voice.ini" ] || cp "$root/demo/voice.ini" "$demo/"

wine_prefix_ready
if [ -n "${DISPLAY:-}" ]; then
  "$root/scripts/start-demo.sh" "$program"
else
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    '$root/scripts/start-demo.sh' $program & sleep 8
    import -window root '$root/build/screenshot-$program.png' && echo 'screenshot: $root/build/screenshot-$program.png'"
fi
wineserver -k 2>/dev/null || true
