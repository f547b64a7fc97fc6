#!/usr/bin/env bash
# The zip as a user gets it: unpacked into a fresh folder it holds the files
# a user needs, in the top folder Horalis; its readme names the version its
# name carries; the host stand-in runs Horalis from it; and its .reg file
# removes the settings the run left. Its example module builds where it lies
# and puts a date on the clipboard through the zip's Horalis.dll.
#   unpacked_zip.sh ZIP FARHOST VERSION C-COMPILER
set -u
zip=$1
farhost=$2
version=$3
compiler=$4
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$here/../../scripts/wine-run
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ "$(basename "$zip")" = "Horalis-$version.zip" ] || fail "zip named $(basename "$zip"), expected Horalis-$version.zip"
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
(cd "$fresh" && cmake -E tar xf "$zip") || { echo "FAIL: $zip does not unpack"; exit 1; }

expected="Calendar.dlg Changes.txt ChangesRus.txt Dialog.gen Horalis.dll HoralisEng.dlg HoralisEng.hlf HoralisEng.lng \
HoralisRus.dlg HoralisRus.hlf HoralisRus.lng ReadMe.txt ReadMeRus.txt RemoveSettings.reg color.dlg sdk/horalis.h \
sdk/put_date.c"
found=$(cd "$fresh" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')
want=$(for name in $expected; do echo "Horalis/$name"; done | sort | tr '\n' ' ')
[ "$found" = "$want" ] || fail "zip holds '$found', expected '$want'"
grep -q "Horalis $version" "$fresh/Horalis/ReadMe.txt" || fail "ReadMe.txt does not name version $version"
grep -q "^$version" "$fresh/Horalis/Changes.txt" || fail "Changes.txt has no entry for $version"
grep -qF 'Horalis\sdk' "$fresh/Horalis/ReadMe.txt" || fail "ReadMe.txt does not point to Horalis\\sdk"
# The host reads every file in its own code page: the English ones hold
# ASCII only, which reads the same in any.
for name in ReadMe.txt Changes.txt HoralisEng.lng HoralisEng.hlf HoralisEng.dlg; do
  LC_ALL=C grep -q '[^[:print:][:space:]]' "$fresh/Horalis/$name" && fail "$name holds more than ASCII"
done
iconv -f CP866 -t UTF-8 "$fresh/Horalis/ReadMeRus.txt" | grep -q "^Horalis $version" ||
  fail "ReadMeRus.txt is not in code page 866 or does not name version $version"
iconv -f CP866 -t UTF-8 "$fresh/Horalis/ChangesRus.txt" | grep -q "^$version" ||
  fail "ChangesRus.txt is not in code page 866 or has no entry for $version"
grep -q "int(__cdecl \*PutHoralisFunction)" "$fresh/Horalis/sdk/horalis.h" ||
  fail "sdk/horalis.h does not declare PutHoralis's result"
grep -q '#include "horalis.h"' "$fresh/Horalis/sdk/put_date.c" ||
  fail "sdk/put_date.c does not include the header beside it"

# Quick insertion into the stand-in's editor, Horalis loaded from the zip.
report=$("$wine_run" "$farhost" --plugins "Z:$fresh" --from editor --keys 'F11 Enter Enter' | iconv -f CP866 -t UTF-8)
year=$(date +%Y)
echo "$report" | grep -q "^editor: .*$year" || fail "no date of $year inserted into the editor: $report"

sdk=$fresh/Horalis/sdk
if (cd "$sdk" && "$compiler" -Wall -Wextra -Werror -o put_date.exe put_date.c); then
  "$wine_run" "$sdk/put_date.exe" "Z:$fresh/Horalis/Horalis.dll" "%Y" ||
    fail "the zip's example did not put the date on the clipboard (exit code $?)"
else
  fail "the zip's example does not build beside its header"
fi

# Each host generation keeps the settings under a key of its own: the
# stand-in's run made the first, the others are made here.
keys=('HKCU\Software\Far\Plugins\Horalis' 'HKCU\Software\Far2\Plugins\Horalis'
      'HKCU\Software\Far Manager\Plugins\Horalis')
"$wine_run" reg query "${keys[0]}" >/dev/null || fail "the run left no settings under ${keys[0]}"
for key in "${keys[@]:1}"; do
  "$wine_run" reg add "$key\Config" /v NoUseMenu /t REG_DWORD /d 0 /f >/dev/null || fail "cannot make $key"
done
"$wine_run" regedit /s "Z:$fresh/Horalis/RemoveSettings.reg" || fail "regedit refused RemoveSettings.reg"
for key in "${keys[@]}"; do
  "$wine_run" reg query "$key" >/dev/null 2>&1 && fail "RemoveSettings.reg left $key"
done

if [ $failures -eq 0 ]; then
  echo "1 passed, 0 failed"
  exit 0
fi
echo "0 passed, $failures failed"
exit 1
