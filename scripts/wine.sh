#!/usr/bin/env bash
# Runs a Windows program under Wine, with Wine's own diagnostics silenced, so
# that what reaches the console is the program's alone.
#
#   wine.sh PROGRAM.exe [ARGUMENTS...]
#   wine.sh --prepare        only makes the prefix ready
#
# Wine keeps its state in WINEPREFIX, by default a prefix of the Windows
# build's own (build-windows/wine), made ready on first use.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build-windows/wine}
export WINEDEBUG=-all
# No prompt to install the .NET or HTML runtimes when the prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Wine sets TEMP and TMP from its registry and passes WINETEMP and WINETMP on
# under those names: the prefix is made without the registry's values, and
# TEMP and TMP given here reach the program.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init >/dev/null 2>&1
  for key in 'HKCU\Environment' 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment'; do
    for name in TEMP TMP; do wine reg delete "$key" /v "$name" /f >/dev/null 2>&1; done
  done
  wineserver --wait >/dev/null 2>&1
fi
# One Wine server serves a whole test run; the first program to start it
# also starts Wine's own services, which should not see a TEMP made for a test.
(
  flock 9
  # The server and services live on: they must not hold the lock.
  if wineserver -p 30 2>/dev/null 9>&-; then
    env -u TEMP -u TMP wine cmd /c exit >/dev/null 2>&1 9>&-
  fi
) 9>"$WINEPREFIX/.server-lock"
[ -n "${TEMP+set}" ] && export WINETEMP=$TEMP
[ -n "${TMP+set}" ] && export WINETMP=$TMP
[ "${1:-}" = --prepare ] && exit 0
exec wine "$@"
