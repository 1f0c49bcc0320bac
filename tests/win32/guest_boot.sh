#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# Boots the guest of guest_image.sh under emulation with SHARE as its shared
# folder, where the guest runs job.sh and powers off. Its disk is left as it
# was unless "keep" is given. Exits with job.sh's status; the kernel's messages
# are in SHARE/console.log. Usage: guest_boot.sh GUEST SHARE [keep]
set -euo pipefail
guest=$1
share=$2
snapshot=on
[ "${3:-}" != keep ] || snapshot=off
rm -f "$share/job.status"
# No KVM here: every instruction is emulated. -smap: with it, qemu 7.2's
# emulated processor makes the guest kernel oops in every Wine process.
timeout 3600 qemu-system-x86_64 -machine q35 -accel tcg -cpu max,-smap -smp "$(nproc)" -m 3G \
  -kernel "$guest/vmlinuz" -initrd "$guest/initrd.img" \
  -append "root=/dev/vda rw console=ttyS0 init=/sbin/quorvel-init panic=-1 quiet" \
  -drive "file=$guest/disk.img,format=raw,if=virtio,snapshot=$snapshot" \
  -virtfs "local,path=$share,mount_tag=share,security_model=none" \
  -nic none -display none -monitor none -serial "file:$share/console.log" -no-reboot
[ -f "$share/job.status" ] || { echo "the guest stopped before its job ended:" >&2; tail -20 "$share/console.log" >&2; exit 1; }
exit "$(cat "$share/job.status")"
