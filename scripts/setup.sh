#!/usr/bin/env bash
# Installs the build tools when a machine lacks them (Debian packages).
set -euo pipefail
missing=()
command -v cmake >/dev/null || missing+=(cmake)
command -v g++ >/dev/null || missing+=(g++)
[ -f /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt-get update -qq && apt-get install -y -qq "${missing[@]}"
fi
