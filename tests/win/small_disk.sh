#!/bin/sh
# small_disk.sh mount|umount DIR: a tmpfs at DIR of 256 KiB with room for three
# files, for the save case of the settings file on a full disk. Mounting needs
# root; where it is not allowed the case skips and says why.
mountpoint -q "$2" 2>/dev/null && umount "$2"
[ "$1" = mount ] || exit 0
mkdir -p "$2"
mount -t tmpfs -o size=256k,nr_inodes=4 tmpfs "$2" ||
  echo "small_disk.sh: mounting a tmpfs was not allowed; the small-disk case skips"
exit 0
