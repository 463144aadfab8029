# Sourced by the test scripts: `needs PROGRAM PACKAGE` fails the test at once,
# naming the program and the Debian package that brings it, when the program
# is missing. A test never passes or skips for want of a tool.
needs() {
  command -v "$1" >/dev/null && return 0
  echo "FAIL: this test needs $1, which is missing: install the Debian package $2" \
       "(bash scripts/setup.sh installs what the tests need)"
  exit 1
}
