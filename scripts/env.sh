# Sourced by the run and test scripts: build folder, private Wine prefix, virtual display.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$ROOT/scripts/arch.sh"
if [ "$CLEAVO_ARCH" = x86_64 ]; then
  # The same sources as a 64-bit program, in a build folder and a 64-bit
  # prefix of their own, run by the 64-bit loader itself: plain "wine" would
  # try the 32-bit loader first wherever wine32 is installed.
  BUILD="${CLEAVO_BUILD:-$ROOT/build-x86_64}"
  export WINEARCH=win64
  WINE="$(command -v wine64 || echo /usr/lib/wine/wine64)"
  export WINELOADER="$WINE"
else
  BUILD="${CLEAVO_BUILD:-$ROOT/build}"
  export WINEARCH=win32
  WINE=wine
fi
export WINEPREFIX="$BUILD/wineprefix"

# What runs the program, for the scripts' one-line reports.
cleavo_wine_kind() {
  if [ "$CLEAVO_ARCH" = x86_64 ]; then
    echo "wine64 in a 64-bit prefix (the x86_64 build; ${CLEAVO_ARCH_WHY:-CLEAVO_ARCH=x86_64})"
  else
    echo "Wine (the 32-bit build)"
  fi
}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# cleavo_build [TARGET...]: configures the Release build and builds the named
# targets, or everything (tests and benchmark too) when none is named.
cleavo_build() {
  local targets=()
  if [ $# -gt 0 ]; then targets=(--target "$@"); fi
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$CLEAVO_ARCH.cmake" >/dev/null
  cmake --build "$BUILD" "${targets[@]}" -- -j2 >"$BUILD/build.log" 2>&1 || { cat "$BUILD/build.log"; return 1; }
  grep -i "warning" "$BUILD/build.log" || true
  [ -f "$BUILD/bin/cleavo.exe" ] && [ -f "$BUILD/bin/cleavo.dll" ]
}

cleavo_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the private Wine prefix $WINEPREFIX (once)..."
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Wine's own fonts (Tahoma, Marlett for the title bar's buttons, ...) in the
  # prefix's Fonts folder, which Wine reads at every start. Debian's 64-bit
  # Wine looks for them in its data folder by a name with "/.." inside
  # ("Z:\usr\share\wine\../fonts"), which its own name translation does not
  # resolve, so a 64-bit prefix would otherwise draw in fontconfig's faces.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d /usr/share/wine/fonts ] && [ ! -f "$fonts/tahoma.ttf" ]; then
    mkdir -p "$fonts"
    cp -n /usr/share/wine/fonts/* "$fonts/"
  fi
  # Every window opens inside one Wine virtual desktop, as on a user's
  # desktop: on a bare X display Wine's driver waits about two seconds for a
  # window manager each time a window is hidden.
  if ! grep -q '^"Desktop"="Default"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
  fi
}

XVFB_PID=""
cleavo_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    # Larger than the Wine desktop (1024x768), so that a test can set that
    # desktop to a laptop's screen size, which Wine offers up to the display's.
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
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
