# Sourced: the environment of a wine prefix with the Russian locale (ANSI code page 1251).
# Usage: source scripts/wine-env.sh PREFIX_DIR
# A machine whose kernel runs no 32-bit code gets a 64-bit prefix and wine64; the
# programs are then tested in their 64-bit build (same sources).
if /lib/ld-linux.so.2 --help >/dev/null 2>&1; then
  export WINEARCH=win32 WINE=/usr/lib/wine/wine TEST_ARCH=i686
else
  export WINEARCH=win64 WINE=/usr/lib/wine/wine64 TEST_ARCH=x86_64
fi
export WINEPREFIX="$1-$WINEARCH"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=ru_RU.UTF-8

wine_prefix_ready() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    $WINE wineboot -i </dev/null >/dev/null 2>&1 || true
    wineserver -w
    # Services get a minute to start, and the shell an edit verb for text files.
    $WINE reg add 'HKLM\System\CurrentControlSet\Control' /v ServicesPipeTimeout /t REG_SZ /d 60000 /f </dev/null >/dev/null 2>&1
    $WINE reg add 'HKCR\.txt' /ve /t REG_SZ /d txtfile /f </dev/null >/dev/null 2>&1
    $WINE reg add 'HKCR\txtfile\shell\edit\command' /ve /t REG_SZ /d '"C:\windows\system32\notepad.exe" "%1"' /f </dev/null >/dev/null 2>&1
    # Programs run in a virtual desktop with its shell: without one, Wine waits 2 s for the
    # missing taskbar whenever a shown window or a notification-area icon goes away.
    $WINE reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d shell /f </dev/null >/dev/null 2>&1
    $WINE reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /t REG_SZ /d 1280x1024 /f </dev/null >/dev/null 2>&1
    wineserver -w
  fi
  wine_fonts_ready
}

# Fonts that the programs and Wine's window frames ask for. Wine 8 of Debian 12 does not
# load its own fonts (Marlett for the caption buttons, Tahoma, MS Sans Serif) from its data
# directory, whose name it spells "Z:\usr\share\wine\../fonts" and cannot open: they are
# linked into the prefix's font directory, which it reads. The monitor's process list asks
# for "Courier New" so that its columns align; Liberation Mono, of the same metrics, stands
# in for it. Both reach a prefix made before them, and cost no Wine process once there.
wine_fonts_ready() {
  if [ -d /usr/share/wine/fonts ]; then
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  grep -qxF '"Courier New"="Liberation Mono"' "$WINEPREFIX/user.reg" 2>/dev/null && return
  $WINE reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ /d 'Liberation Mono' /f </dev/null >/dev/null 2>&1
  wineserver -w
}

# Keeps one wineserver running, started outside the caller's pipes.
wine_server_warm() {
  wineserver -p
  $WINE cmd /c exit </dev/null >/dev/null 2>&1 || true
}
