#!/usr/bin/env bash
# Sets up this machine, builds everything and runs the whole test suite:
# the plain code natively under the sanitizers, then every test under wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
jobs="$(nproc)"

cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc \
      -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$root/build/native" -j "$jobs"
(cd "$root/build/native" && ctest --output-on-failure -j "$jobs")

cmake -S "$root" -B "$root/build/fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
      -DCMAKE_BUILD_TYPE=Debug -DFUZZ=ON >/dev/null
cmake --build "$root/build/fuzz" -j "$jobs"
(cd "$root/build/fuzz" && ctest --output-on-failure -j "$jobs" -L fuzz)

# The programs as delivered: 32-bit Windows.
cmake -S "$root" -B "$root/build/win32" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$root/build/win32" -j "$jobs"

source "$root/scripts/wine-env.sh" "$root/build/wineprefix-test"
testdir="$root/build/win32"
if [ "$TEST_ARCH" = x86_64 ]; then
  echo "This machine runs no 32-bit code: the tests run on the 64-bit build of the same sources."
  testdir="$root/build/win64"
  cmake -S "$root" -B "$testdir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
  cmake --build "$testdir" -j "$jobs"
fi
# A fresh prefix for every run: no service or file of an earlier run is left in it.
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
wine_prefix_ready
rc=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  source "$0/scripts/wine-env.sh" "$1"
  wine_server_warm
  cd "$2" && ctest --output-on-failure' "$root" "$root/build/wineprefix-test" "$testdir" || rc=$?
wineserver -k 2>/dev/null || true
exit $rc
