#!/usr/bin/env bash
# Runs the test command on a fresh Debian system of the release named (by
# default trixie, Debian 13), as a new contributor's machine would be: makes
# it with debootstrap in a work folder, clones the last commit into it, runs
# scripts/test.sh there as root, and removes it all again, mounts included,
# by whatever path the script ends. Exits with the test command's status
# (non-zero when any check fails inside, or the system could not be made).
# Needs root, and the network to reach Debian's archive.
# Usage: test-in-debian.sh [RELEASE]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
release=${1:-trixie}
mirror=${TANGLEWICK_DEBIAN_MIRROR:-http://deb.debian.org/debian}
[ "$(id -u)" = 0 ] || { echo "test-in-debian: run it as root (debootstrap and chroot need it)" >&2; exit 1; }
"$here/scripts/install-deps.sh" debian

# On disk, not in a memory-backed /tmp: the system and its builds take a few
# gigabytes.
work=$(mktemp -d /var/tmp/tanglewick-debian.XXXXXX)
root=$work/$release
# Unmounts everything under the system, deepest first, and only then removes
# the folder: rm never crosses into a mount (--one-file-system), should one
# refuse to go.
cleanup() {
  set +e
  local mount
  for mount in $(awk -v root="$root/" 'index($2 "/", root) == 1 { print $2 }' /proc/self/mounts | sort -r); do
    umount "$mount" 2>/dev/null || umount -l "$mount"
  done
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

started=$SECONDS
echo "== debootstrap $release into $root"
debootstrap --variant=minbase "$release" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -n 20 "$work/debootstrap.log"; echo "test-in-debian: debootstrap failed" >&2; exit 1; }
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount -t tmpfs -o mode=755 run "$root/run"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

echo "== the last commit, $(git -C "$here" rev-parse --short HEAD), cloned into it"
git clone -q --no-hardlinks "$here" "$root/root/tanglewick"

echo "== scripts/test.sh on Debian $release ($(cat "$root/etc/debian_version"))"
status=0
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  LANG=C.UTF-8 TERM=dumb CI="${CI:-}" /bin/bash -c 'cd /root/tanglewick && scripts/test.sh' || status=$?
echo "test-in-debian: Debian $release, status $status, $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
exit "$status"
