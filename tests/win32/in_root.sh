#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Runs COMMAND as root in ROOT, the Debian root of wine32_root.sh, with SHARE
# at /mnt there, and gives SHARE back to the caller afterwards. The root sees
# the machine's processes and devices, and a /tmp emptied before and after.
# Where the machine runs no 32-bit code (a kernel without IA-32 emulation),
# the root's own qemu-i386 runs its i386 programs: registered with binfmt_misc
# for this run only, under a name of the project's own, in a binfmt_misc
# mounted in the root's /proc. Every mount is undone, the registration removed
# and what the command left running killed on exit. One run at a time in a
# root. Exits with COMMAND's status.
# Usage: in_root.sh ROOT SHARE COMMAND [ARGUMENT...]
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo -- "$0" "$@"
root=$(cd "$1" && pwd -P) share=$(cd "$2" && pwd -P)
shift 2
exec 9>"$root.lock"
flock 9

mounts=(proc sys dev mnt)
registered=
leave() {
  # Nothing that the command left running holds the mounts as they are undone.
  # The root is told by its inode: a path would also name another root of the
  # same name seen from a chroot of its own.
  local process
  for process in /proc/[0-9]*; do
    [ ! "$process/root" -ef "$root" ] || kill -KILL "${process#/proc/}" 2>/dev/null || true
  done
  [ -z "$registered" ] || echo -1 >"$registered" 2>/dev/null || true
  local mount
  for mount in "${mounts[@]}"; do
    umount -R -l "$root/$mount" 2>/dev/null || true
  done
  # On the root's disk, not in memory: five copies of Wine's prefix side by
  # side fill gigabytes.
  find "$root/tmp" -mindepth 1 -delete
  [ -z "${SUDO_UID:-}" ] || chown -R "$SUDO_UID:$SUDO_GID" "$share"
}
trap leave EXIT
trap 'exit 1' TERM INT
# A run killed before it could undo its mounts leaves them to this one.
leave
mount -t proc proc "$root/proc"
# The machine's own, seen and never changed: each made a slave, so that
# undoing it undoes nothing on the machine.
for mount in sys dev; do
  mount --rbind "/$mount" "$root/$mount"
  mount --make-rslave "$root/$mount"
done
mount --bind "$share" "$root/mnt"

# The i386 loader answers where the machine runs 32-bit code, or where
# something on the machine already runs it.
if ! chroot "$root" /usr/lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  binfmt=$root/proc/sys/fs/binfmt_misc
  mount -t binfmt_misc binfmt_misc "$binfmt"
  # The recognition of i386 programs that the root's qemu-user ships, its
  # interpreter opened now (F), from the root, to serve in the root.
  name=quorvel-i386-$$
  IFS=: read -r _ _ type offset magic mask interpreter flags <"$root/usr/share/qemu/binfmt.d/qemu-i386.conf"
  echo ":$name:$type:$offset:$magic:$mask:$root$interpreter:${flags//F/}F" >"$binfmt/register"
  registered=$binfmt/$name
fi
# Waited for in the background, so that a signal to this script ends the
# run at once, its traps killing what runs in the root.
chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 \
  DEBIAN_FRONTEND=noninteractive "$@" &
status=0
wait "$!" || status=$?
exit "$status"
