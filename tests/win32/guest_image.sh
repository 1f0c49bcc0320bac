#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Makes, once, the Debian guest in which the 32-bit Windows programs run: this
# machine's processors run only 64-bit code, so an emulated x86-64 machine with
# Debian's own kernel (which runs 32-bit code too) runs Wine's 32-bit half.
# The guest is kept in the cache under a name made from this recipe, Debian's
# release and the Wine setup of wine_prefix.sh, and made anew only when one of
# them changes. Prints the guest's folder: disk.img, vmlinuz, initrd.img.
# With --find it only looks for the guest, made before, and says how to make
# it when it is not there. Usage: guest_image.sh [--find]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
key=$(cat "$0" "$here/wine_prefix.sh" <(echo "$suite") | sha256sum | cut -c1-16)
cache=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}
guest=$cache/guest32-$suite-$key
mkdir -p "$cache"
# Two test trees may ask at once: one makes it, the other waits.
exec 9>"$cache/guest32.lock"
flock 9
if [ -f "$guest/ready" ]; then
  echo "$guest"
  exit 0
fi
if [ "${1:-}" = --find ]; then
  echo "FAIL: no guest in $guest: make it first with $0 (about 10 minutes," \
    "as root or through sudo; ./test does)" >&2
  exit 1
fi

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
work=$(mktemp -d "$cache/guest32-build.XXXXXX")
root=$work/root
trap '"${as_root[@]}" umount -l "$root/proc" 2>/dev/null || true; "${as_root[@]}" rm -rf --one-file-system "$work"' EXIT
started=$SECONDS
say() { echo "guest_image.sh: $* ($((SECONDS - started)) s)" >&2; }

# The same archive that this machine installs from.
mirror=$(apt-cache policy | awk -v suite="$suite/main" '$3 == suite && $5 == "Packages" { print $2; exit }')
[ -n "$mirror" ] || { echo "no archive of Debian $suite among apt's sources" >&2; exit 1; }
say "debootstrap $suite from $mirror"
"${as_root[@]}" debootstrap --variant=minbase --arch=amd64 "$suite" "$root" "$mirror" >"$work/debootstrap.log" ||
  { tail -20 "$work/debootstrap.log" >&2; exit 1; }

# The kernel finds its disk and the shared folder with just these modules,
# which keeps the initial RAM disk small and the boot short.
"${as_root[@]}" sh -c "mkdir -p '$root/etc/initramfs-tools/conf.d' &&
  echo MODULES=list >'$root/etc/initramfs-tools/conf.d/quorvel' &&
  printf '%s\n' virtio_pci virtio_blk ext4 crc32c_generic 9p 9pnet_virtio \
    >>'$root/etc/initramfs-tools/modules' &&
  cp /etc/resolv.conf '$root/etc/resolv.conf'"
# The packages' scripts want a /proc, which is put away before the disk is
# made. A plain mount, not a namespace of its own: where this runs in a chroot,
# its root is no mount point whose propagation could be changed.
"${as_root[@]}" mount -t proc proc "$root/proc"
in_root() {
  "${as_root[@]}" chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}
packages=(
  linux-image-amd64 initramfs-tools
  # the programs' Wine, 32-bit half included, and the X server, the input, the
  # screenshots and the Song face of window_check.sh
  wine wine64 wine32:i386 fonts-wine xvfb xdotool imagemagick fonts-arphic-gbsn00lp
  # the installer's tables for msi_check.sh
  msitools
)
in_root dpkg --add-architecture i386
in_root apt-get update -q >"$work/apt.log"
say "installing ${packages[*]}"
# An i386 maintainer script cannot run on this machine: the package is left
# unpacked here, and the guest configures it at its first boot below.
in_root apt-get install -y -q --no-install-recommends -o Dpkg::Options::=--force-confold \
  "${packages[@]}" >>"$work/apt.log" 2>&1 ||
  in_root dpkg --configure -a >>"$work/apt.log" 2>&1 || true
for package in "${packages[@]}"; do
  in_root dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null | grep -q '^.[UFWti]' ||
    { tail -30 "$work/apt.log" >&2; echo "$package was not installed in the guest" >&2; exit 1; }
done
in_root apt-get clean
"${as_root[@]}" umount "$root/proc"

# The guest's only process: it mounts the shared folder, runs job.sh there
# with its output in job.log and its status in job.status, and powers off.
"${as_root[@]}" tee "$root/sbin/quorvel-init" >/dev/null <<'EOF'
#!/bin/sh
export PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
mount -t proc proc /proc 2>/dev/null
mount -t sysfs sysfs /sys 2>/dev/null
mount -t devtmpfs devtmpfs /dev 2>/dev/null
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /tmp
mount -t 9p -o trans=virtio,version=9p2000.L,msize=512000 share /mnt
bash /mnt/job.sh >/mnt/job.log 2>&1
echo $? >/mnt/job.status
# Nothing that the job left running holds the disks as they are put away.
kill -KILL -1 2>/dev/null
sync
umount /mnt
mount -o remount,ro /
echo 1 >/proc/sys/kernel/sysrq
echo o >/proc/sysrq-trigger
EOF
"${as_root[@]}" chmod 755 "$root/sbin/quorvel-init"

mkdir -p "$work/guest"
"${as_root[@]}" sh -c "cp '$root'/boot/vmlinuz-* '$work/guest/vmlinuz' &&
  cp '$root'/boot/initrd.img-* '$work/guest/initrd.img' && chmod a+r '$work/guest/'*"
say "making the disk"
"${as_root[@]}" mke2fs -q -t ext4 -d "$root" "$work/guest/disk.img" 8G >&2
"${as_root[@]}" chown "$(id -u):$(id -g)" "$work/guest/disk.img"

# The first boot configures what could not be configured here and sets up the
# Wine prefix that every run starts from a copy of.
share=$work/share
mkdir -p "$share"
cp "$here/in_wine.sh" "$here/wine_prefix.sh" "$here/../with_x.sh" "$share/"
cat >"$share/job.sh" <<'EOF'
# Each step traced: a failed first boot shows where it stopped.
set -eux
dpkg --configure -a
mkdir -p /var/lib/quorvel
bash /mnt/with_x.sh bash /mnt/in_wine.sh sh -c 'wineserver -w && cp -a "$WINEPREFIX" /var/lib/quorvel/wine-prefix'
EOF
say "first boot"
"$here/guest_boot.sh" "$work/guest" "$share" keep ||
  { cat "$share/job.log" >&2; tail -30 "$share/console.log" >&2
    echo "the guest's first boot failed" >&2; exit 1; }
touch "$work/guest/ready"
rm -rf "$guest"
mv "$work/guest" "$guest"
say "made $guest, $(du -sh "$guest" | cut -f1) on disk"
echo "$guest"
