#!/usr/bin/env bash
# Starts PROGRAM (rax40gwcfg or R40GWMon) in the demo program directory, with the test
# gateway service registered afresh as "RAX40 Gateway" and running. Used by run.sh.
set -u
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/wine-env.sh" "$root/build/wineprefix-demo"
wine_server_warm
cd "$root/build/demo"
$WINE testgateway.exe --uninstall >/dev/null 2>&1
$WINE testgateway.exe --install --hold-mb 20 >/dev/null 2>&1
$WINE sc start "RAX40 Gateway" >/dev/null 2>&1
exec $WINE "$1.exe"
