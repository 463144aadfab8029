#!/usr/bin/env bash
# Installs the build tools when a machine lacks them (Debian packages, through
# apt-get: as root, or through sudo for another user).
set -euo pipefail
missing=()
command -v cmake >/dev/null || missing+=(cmake)
command -v g++ >/dev/null || missing+=(g++)
[ -f /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
# groff checks the manual page in the installation test.
command -v groff >/dev/null || missing+=(groff-base)
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "installing needs root: run this script as root or install sudo" >&2; exit 1; }
    as_root=(sudo)
  fi
  "${as_root[@]}" apt-get update -qq && "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
fi
