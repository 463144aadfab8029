#!/usr/bin/env bash
# Installs the built program as a user would, twice: with cmake --install into
# a scratch prefix, and from the Debian package made by cpack into a scratch
# root. Each installed program must report the project's version and convert
# the example to the deck kept beside it; the installed manual page, compressed
# as Debian asks, must format without a warning; the copyright file must be
# there.
#
# Usage: install_test.sh BUILD_DIR SOURCE_DIR VERSION
set -u
source "$(dirname "$0")/../needs.sh"
needs groff groff-base
needs gzip gzip
needs cpack cmake
needs dpkg-deb dpkg
build=$1
source=$2
version=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Checks one installation: bin/tolvane, share/man/man1/tolvane.1.gz and
# share/doc/tolvane/copyright under $1.
check_installed() {
  local what=$1 root=$2
  local exe=$root/bin/tolvane page=$root/share/man/man1/tolvane.1.gz
  [ -x "$exe" ] || { fail "$what: no bin/tolvane"; return; }
  [ -f "$page" ] || fail "$what: no share/man/man1/tolvane.1.gz"
  [ -s "$root/share/doc/tolvane/copyright" ] || fail "$what: no share/doc/tolvane/copyright"

  local first
  first=$("$exe" --version | head -n 1)
  [ "$first" = "tolvane $version" ] || fail "$what: --version says '$first', expected 'tolvane $version'"

  local work=$scratch/work-${what// /-}
  mkdir -p "$work"
  cp "$source/examples/river.geo" "$work/"
  (cd "$work" && "$exe" INPUT=river.geo OUTPUT=river.cs > console 2>&1) ||
    fail "$what: converting the example failed: $(cat "$work/console")"
  cmp -s "$source/examples/river.cs" "$work/river.cs" || fail "$what: the example's deck differs"

  if [ -f "$page" ]; then
    gzip -dc "$page" > "$scratch/page"
    cmp -s "$scratch/page" "$build/tolvane.1" || fail "$what: the manual page is not the built one"
    local warnings
    warnings=$(groff -ww -z -man "$scratch/page" 2>&1)
    [ -z "$warnings" ] || fail "$what: the manual page draws warnings: $warnings"
    grep -q "tolvane $version" "$scratch/page" || fail "$what: the manual page does not carry the version"
  fi
}

# 1. cmake --install into a prefix.
prefix=$scratch/prefix
if cmake --install "$build" --prefix "$prefix" > "$scratch/install.log" 2>&1; then
  check_installed "cmake --install" "$prefix"
else
  fail "cmake --install: $(cat "$scratch/install.log")"
fi

# 2. The Debian package, unpacked into a scratch root.
packages=$scratch/packages
if (cd "$build" && cpack -G DEB -B "$packages") > "$scratch/cpack.log" 2>&1; then
  deb=$(find "$packages" -maxdepth 1 -name 'tolvane_*.deb' | head -n 1)
  if [ -z "$deb" ]; then
    fail "cpack made no tolvane_*.deb: $(cat "$scratch/cpack.log")"
  else
    [ "$(dpkg-deb -f "$deb" Package)" = tolvane ] || fail "package name is not tolvane"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
    dpkg-deb -x "$deb" "$scratch/root"
    check_installed "package" "$scratch/root/usr"
  fi
else
  fail "cpack -G DEB: $(cat "$scratch/cpack.log")"
fi

[ "$failed" -eq 0 ] && echo "installed program, manual page and package are sound"
exit "$failed"
