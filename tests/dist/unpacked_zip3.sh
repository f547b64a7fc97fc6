#!/usr/bin/env bash
# The 3.x plugin's zip for one architecture as a user gets it: named by the
# version and what it serves, unpacked into a fresh folder it holds the
# top folder Horalis3 with the DLL (of that architecture, importing only
# Windows' own DLLs), its language and help files (UTF-8 with a byte-order
# mark, as the host reads them) and a readme naming the version.
#   unpacked_zip3.sh ZIP ARCH VERSION OBJDUMP FORMAT
set -u
zip=$1 arch=$2 version=$3 objdump=$4 format=$5
here=$(cd "$(dirname "$0")" && pwd)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ "$(basename "$zip")" = "Horalis-$version-far3-$arch.zip" ] ||
  fail "zip named $(basename "$zip"), expected Horalis-$version-far3-$arch.zip"
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
(cd "$fresh" && cmake -E tar xf "$zip") || { echo "FAIL: $zip does not unpack"; exit 1; }

texts="Horalis3Eng.hlf Horalis3Eng.lng Horalis3Rus.hlf Horalis3Rus.lng Horalis3Ukr.hlf Horalis3Ukr.lng"
found=$(cd "$fresh" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')
want=$(for name in Horalis3.dll ReadMe.txt $texts; do echo "Horalis3/$name"; done | sort | tr '\n' ' ')
[ "$found" = "$want" ] || fail "zip holds '$found', expected '$want'"
"$here/check_imports.sh" "$objdump" "$format" "$fresh/Horalis3/Horalis3.dll" >/dev/null ||
  fail "Horalis3.dll is not $format or imports more than Windows' own DLLs"
for name in $texts; do
  [ "$(head -c 3 "$fresh/Horalis3/$name" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    fail "$name has no UTF-8 byte-order mark"
done
grep -q "^Horalis $version for FAR Manager 3 ($arch)" "$fresh/Horalis3/ReadMe.txt" ||
  fail "ReadMe.txt does not name version $version and $arch"
[ $failures -eq 0 ] && echo "the $arch zip holds what a user needs"
[ $failures -eq 0 ]
