#!/usr/bin/env bash
# Checks that each vextal.dll given exports exactly the 24 entry points of
# vextal_api.h, undecorated, and imports only system DLLs. A DLL path that
# does not exist (the 32-bit build not made yet) is skipped.
set -euo pipefail
# objdump translates its headings; read them in the C locale.
export LC_ALL=C
header=$1; shift
expected=$(grep -o '^  X(_[a-z_]*' "$header" | sed 's/^  X(//' | sort)
[ "$(echo "$expected" | wc -l)" -eq 24 ] || { echo "the header does not list 24 entry points"; exit 1; }
allowed='^(kernel32|user32|gdi32|msvcrt)\.dll$'
checked=0
for dll in "$@"; do
  [ -f "$dll" ] || continue
  case $(file -b "$dll") in
    *x86-64*) objdump=x86_64-w64-mingw32-objdump ;;
    *) objdump=i686-w64-mingw32-objdump ;;
  esac
  # One line per name: "[   0] _attach", or with newer binutils
  # "[   0] +base[   1]  0000 _attach"; the name is the last field.
  names=$($objdump -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
          sed -n 's/^\s*\[ *[0-9]*\] //p' | awk '{print $NF}' | sort)
  if [ "$names" != "$expected" ]; then
    echo "$dll: exports differ from the header:"; diff <(echo "$expected") <(echo "$names") || true
    exit 1
  fi
  bad=$($objdump -p "$dll" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | grep -Ev "$allowed" || true)
  [ -z "$bad" ] || { echo "$dll: imports $bad"; exit 1; }
  echo "$dll: the 24 entry points, system imports only"
  checked=$((checked + 1))
done
[ "$checked" -gt 0 ]
