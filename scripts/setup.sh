#!/usr/bin/env bash
# Installs the Debian packages that building (and, with "test", testing) needs
# when the machine lacks them, through apt-get: as root, or through sudo for
# another user. Stops with status 1, naming what is missing, when it cannot.
#
#   setup.sh [build|test|package]
#
#   build    cmake, make and g++: enough to build the program
#   test     also GoogleTest, python3 and groff, which the tests use (default)
#   package  also lintian, which checks the Debian package
set -euo pipefail
purpose=${1:-test}

# Each needed tool: the command (or file) that shows it is there, and the
# package that brings it.
tools=(cmake:cmake make:make g++:g++)
case $purpose in
  build) ;;
  test) tools+=(/usr/include/gtest/gtest.h:libgtest-dev python3:python3 groff:groff-base) ;;
  package) tools+=(lintian:lintian) ;;
  *) echo "usage: setup.sh [build|test|package]" >&2; exit 2 ;;
esac

present() {
  case $1 in
    /*) [ -e "$1" ] ;;
    *) command -v "$1" >/dev/null ;;
  esac
}

missing_packages() {
  local tool
  for tool in "${tools[@]}"; do
    present "${tool%%:*}" || echo "${tool#*:}"
  done
}

missing=$(missing_packages)
[ -z "$missing" ] && exit 0

missing=$(echo $missing)
echo "installing with apt-get: $missing"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "setup: installing $missing needs root: run this script as root, or install sudo" >&2
    exit 1
  fi
  as_root=(sudo)
fi
# Another apt-get may hold the package lock for a while (an unattended upgrade).
apt_get=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300)
if ! "${apt_get[@]}" update -qq || ! "${apt_get[@]}" install -y -qq --no-install-recommends $missing; then
  echo "setup: apt-get could not install $missing" >&2
  exit 1
fi
still=$(missing_packages)
if [ -n "$still" ]; then
  echo "setup: still missing after apt-get: $(echo $still)" >&2
  exit 1
fi
