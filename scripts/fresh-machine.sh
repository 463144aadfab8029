#!/usr/bin/env bash
# Follows the README as a newcomer on a freshly installed machine would: makes
# a minimal Debian 12 system with debootstrap (nothing in it beyond the base
# system and git), clones the project into it from the commit checked out
# here, and runs the README's two commands there, first as root, then, with the
# tools installed by then, as an ordinary user with a fresh clone of their own.
# Last, as root, it installs the Debian package as the README says, shows the
# manual page with man-db installed, and removes the package again.
# It prints each command's exit status and time, and the tests' summary; the
# whole output goes to a log file, named at the end.
#
#   fresh-machine.sh [--keep]
#
# Needs root (debootstrap, chroot, mounts) and the network: the packages come
# from the Debian mirror that this machine's apt sources name (or $MIRROR).
# The system is made under /var/tmp and removed at the end, unless --keep.
# Only committed work is tried: the clone takes the commit checked out here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
keep=false
[ "${1:-}" = --keep ] && keep=true
if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-machine: needs root, to make the system with debootstrap and enter it" >&2
  exit 1
fi
suite=bookworm
user=modeller
path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

if ! command -v debootstrap >/dev/null; then
  echo "installing debootstrap"
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq debootstrap
fi

# The first Debian mirror of this machine's apt sources (deb822 or one-line
# form), the security archive aside.
configured_mirror() {
  { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
    grep -Eo '^(URIs:[[:space:]]*|deb[[:space:]]+(\[[^]]*\][[:space:]]+)?)[a-z]+://[^[:space:]]+' |
    grep -Eo '[a-z]+://[^[:space:]]+' | grep -v -- '-security' | grep '/debian/\?$' | head -n 1 || true
}
mirror=${MIRROR:-$(configured_mirror)}
if [ -z "$mirror" ]; then
  echo "fresh-machine: no Debian mirror in the apt sources; give one as MIRROR=http://..." >&2
  exit 1
fi

target=$(mktemp -d /var/tmp/tolvane-fresh.XXXXXX)
chmod 755 "$target"  # the system's root folder, which every user must enter
log=$target.log
: > "$log"
cleanup() {
  # Nothing is mounted in the system outside the private namespaces of the
  # steps; --one-file-system keeps rm off anything that would be.
  rm -f "$target.step" "$target.step.time"
  if ! $keep; then rm -rf --one-file-system "$target"; fi
}
trap cleanup EXIT

# Writes a line to the terminal and the log.
say() { echo "$*" | tee -a "$log"; }

# Runs a step, its output going to the log, and prints its status, its time
# and the processor time it took (user and system, all processes; on a busy
# machine a truer measure of the work than the time on the clock).
# The step's own output stays in $output until the next step.
output=$target.step
step() {
  local label=$1 status real user system
  shift
  say "== $label"
  set +e
  { TIMEFORMAT='%0R %0U %0S'; time "$@" > "$output" 2>&1; } 2> "$output.time"
  status=$?
  set -e
  read -r real user system < "$output.time"
  cat "$output" >> "$log"
  say "   exit $status, $((real / 60)) min $((real % 60)) s; processor $((user + system)) s"
  return $status
}

# ctest's summary, every test that did not pass, and what was skipped and
# why, from the last step.
test_summary() {
  grep -E '^[0-9]+% tests passed|^Total Test time|^The following tests|^[[:space:]]+[0-9]+ - |^Skipped|^  [a-z0-9._-]+: ' "$output" |
    sed 's/^/   /' | tee -a "$log" || true
}

# Runs a shell command inside the system, as root or as the ordinary user, in
# a private mount namespace whose root is the system, as on a machine of its
# own (pivot_root, not a bare chroot, so that the tests' own mount and user
# namespaces work there), with the system's /proc, /sys and /dev. All of it
# goes when the step ends.
inside() {
  local who=$1 command=$2
  unshare --mount --propagation private sh -c '
    target=$1 who=$2 command=$3 path=$4
    mount --bind "$target" "$target" && mount -t proc proc "$target/proc" &&
      mount -t sysfs sysfs "$target/sys" && mount --bind /dev "$target/dev" &&
      mount --bind /dev/pts "$target/dev/pts" || exit 1
    mkdir -p "$target/.old-root" && cd "$target" && pivot_root . .old-root &&
      umount -l /.old-root && rmdir /.old-root || exit 1
    if [ "$who" = root ]; then
      exec chroot . env -i HOME=/root PATH="$path" bash -c "cd && $command"
    fi
    exec chroot . runuser -u "$who" -- env -i HOME="/home/$who" PATH="$path" \
      bash -c "cd && $command"' sh "$target" "$who" "$command" "$path"
}

say "fresh-machine: $suite from $mirror into $target ($(nproc) cores); log: $log"
step "debootstrap --variant=minbase --include=git $suite" \
  debootstrap --variant=minbase --include=git "$suite" "$target" "$mirror"
cp /etc/resolv.conf "$target/etc/resolv.conf"

# The project as a repository to clone: a bundle of the commit checked out
# here, with its branch when there is one.
branch=$(git -C "$root" symbolic-ref -q --short HEAD || true)
git -C "$root" bundle create "$target/srv/tolvane.bundle" HEAD $branch >> "$log" 2>&1
chmod a+r "$target/srv/tolvane.bundle"
say "   cloning $(git -C "$root" log -1 --format='%h %s')"

failed=0
for who in root "$user"; do
  if [ "$who" != root ]; then
    chroot "$target" useradd --create-home --shell /bin/bash "$who"
  fi
  step "$who: git clone" inside "$who" "git clone -q /srv/tolvane.bundle tolvane" || failed=1
  step "$who: bash scripts/example.sh" inside "$who" "cd tolvane && bash scripts/example.sh" || failed=1
  step "$who: bash scripts/test.sh" inside "$who" "cd tolvane && bash scripts/test.sh" || failed=1
  test_summary
done

step "root: install the package, man-db, man tolvane, remove the package" inside root '
  cd tolvane/build && cpack -G DEB >/dev/null && cd &&
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./tolvane/build/tolvane_*_amd64.deb man-db &&
  command -v tolvane && man tolvane | head -n 12 && apt-get remove -y -qq tolvane &&
  ! command -v tolvane' || failed=1
sed -n '/^TOLVANE(1)/,$p' "$output" | head -n 12 | sed 's/^/   /' | tee -a "$log"
rm -f "$output" "$output.time"

say "fresh-machine: $([ $failed -eq 0 ] && echo 'every step passed' || echo 'a step FAILED'); log: $log"
exit $failed
