#!/bin/sh
# small_disks.sh mount|umount DIR: two tmpfs mounts for the save tests of the
# settings file, DIR/space (256 KiB) and DIR/inodes (room for two files).
# Mounting needs root; where it is not allowed the tests skip and say why.
action=$1 dir=$2
for d in space inodes; do
  mountpoint -q "$dir/$d" 2>/dev/null && umount "$dir/$d"
done
[ "$action" = mount ] || exit 0
mkdir -p "$dir/space" "$dir/inodes"
mount -t tmpfs -o size=256k tmpfs "$dir/space" &&
  mount -t tmpfs -o size=256k,nr_inodes=3 tmpfs "$dir/inodes" ||
  echo "small_disks.sh: mounting a tmpfs was not allowed; the small-disk cases skip"
exit 0
