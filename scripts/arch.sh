# Sourced by the setup, run and test scripts: CLEAVO_ARCH is i686 where this
# machine can execute 32-bit x86 code, x86_64 where it cannot (a kernel built
# or booted without it: Wine's 32-bit loader then fails with "Exec format
# error"). Set CLEAVO_ARCH=x86_64 (or i686) to choose.
cleavo_runs_32bit() {
  # A 91-byte 32-bit Linux program that only exits with status 0.
  local probe status=0
  # Made in the checkout, where the build runs programs anyway (a temporary
  # folder may be mounted noexec, which would refuse any program).
  probe="$(mktemp "$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/.ia32-probe.XXXXXX")" || return 1
  printf '\177\105\114\106\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\133\000\000\000\133\000\000\000\005\000\000\000\000\020\000\000\061\333\061\300\100\315\200' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  return $status
}

if [ -z "${CLEAVO_ARCH:-}" ]; then
  if [ "$(uname -m)" != x86_64 ] || cleavo_runs_32bit; then
    CLEAVO_ARCH=i686
  else
    CLEAVO_ARCH=x86_64
    export CLEAVO_ARCH_WHY="this machine cannot execute 32-bit code"
  fi
fi
case "$CLEAVO_ARCH" in
  i686|x86_64) export CLEAVO_ARCH ;;
  *) echo "CLEAVO_ARCH must be i686 or x86_64, not $CLEAVO_ARCH" >&2; return 1 ;;
esac
