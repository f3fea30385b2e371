# Sourced by the run and test scripts: build folder, private Wine prefix, virtual display.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${CLEAVO_BUILD:-$ROOT/build}"
export WINEPREFIX="$BUILD/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# cleavo_build [TARGET...]: configures the Release build and builds the named
# targets, or everything (tests and benchmark too) when none is named.
cleavo_build() {
  local targets=()
  if [ $# -gt 0 ]; then targets=(--target "$@"); fi
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$BUILD" "${targets[@]}" -- -j2 >"$BUILD/build.log" 2>&1 || { cat "$BUILD/build.log"; return 1; }
  grep -i "warning" "$BUILD/build.log" || true
  [ -f "$BUILD/bin/cleavo.exe" ] && [ -f "$BUILD/bin/cleavo.dll" ]
}

cleavo_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the private Wine prefix $WINEPREFIX (once)..."
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Every window opens inside one Wine virtual desktop, as on a user's
  # desktop: on a bare X display Wine's driver waits about two seconds for a
  # window manager each time a window is hidden.
  if ! grep -q '^"Desktop"="Default"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
  fi
}

XVFB_PID=""
cleavo_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=":$n"
    return 0
  done
  echo "no free display number for Xvfb" >&2
  return 1
}

cleavo_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" >/dev/null 2>&1 || true
}
