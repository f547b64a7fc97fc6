#!/usr/bin/env bash
# What a user installs must be a 32-bit DLL that needs nothing but Windows
# itself, and Horalis.dll must export exactly the host's entry points. Each
# shipped module is a release build: no debug information, at most 54 KiB
# on disk (Horalis.dll carries its own English names and layouts, its
# code-page writers, which it once left to the runtime, and the checks that
# ask before a format's unseen mistake costs) and an image of at most 80 KiB
# in memory.
#   check_binaries.sh OBJDUMP DIST_FOLDER
set -u
objdump=$1
dist=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

system_dlls='^(kernel32|user32|advapi32|msvcrt|gdi32|ntdll|shell32|ole32|comdlg32|comctl32|version)\.dll$'

check_imports() {
  local file=$1
  local imports dll
  imports=$("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$imports" ] || fail "$file: no imports found"
  for dll in $imports; do
    [[ $dll =~ $system_dlls ]] || fail "$file imports $dll, which a user's Windows lacks"
  done
}

check_pe32() {
  local file=$1
  "$objdump" -f "$file" | grep -q 'file format pei-i386' || fail "$file is not a 32-bit PE"
}

check_release() {
  local file=$1
  local size image
  "$objdump" -h "$file" | grep -q ' \.debug_' && fail "$file carries debug information"
  size=$(stat -c %s "$file")
  [ "$size" -le 55296 ] || fail "$file is $size bytes, more than 54 KiB"
  image=$("$objdump" -p "$file" | sed -n 's/^SizeOfImage\s*//p')
  [ $((16#$image)) -le 81920 ] || fail "$file needs $((16#$image)) bytes loaded, more than 80 KiB"
}

dll=$dist/Horalis.dll
[ -f "$dll" ] || { echo "FAIL: $dll missing"; exit 1; }
check_pe32 "$dll"
check_imports "$dll"
check_release "$dll"
# Windows 2000 lacks it: looked up when used, so the DLL still loads there.
"$objdump" -p "$dll" | grep -q TzSpecificLocalTimeToSystemTime &&
  fail "Horalis.dll imports TzSpecificLocalTimeToSystemTime, which Windows 2000 lacks"
# Zones are computed from the registry's rules, with no call newer than
# Windows 2000.
"$objdump" -p "$dll" |
  grep -qE 'TimeZoneInformationForYear|TzSpecificLocalTimeEx|TzSpecificLocalTimeToSystemTimeEx|DynamicTimeZone' &&
  fail "Horalis.dll imports a time-zone call Windows 2000 lacks"
# Locales are matched by their ISO codes, which Windows 2000 gives too.
"$objdump" -p "$dll" | grep -qE 'LocaleNameToLCID|GetLocaleInfoEx|GetDateFormatEx' &&
  fail "Horalis.dll imports a locale call Windows 2000 lacks"
exports=$("$objdump" -p "$dll" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[\s*[0-9]*\] //p' | sort | tr '\n' ' ')
expected="Configure ExitFAR GetPluginInfo OpenPlugin PutHoralis SetStartupInfo "
[ "$exports" = "$expected" ] || fail "Horalis.dll exports '$exports', expected '$expected'"

if [ -f "$dist/Dialog.gen" ]; then
  check_pe32 "$dist/Dialog.gen"
  check_imports "$dist/Dialog.gen"
  check_release "$dist/Dialog.gen"
else
  fail "$dist/Dialog.gen missing"
fi

for file in HoralisEng.lng HoralisRus.lng; do
  [ -f "$dist/$file" ] || fail "$dist/$file missing"
done

if [ $failures -eq 0 ]; then
  echo "1 passed, 0 failed"
  exit 0
fi
echo "0 passed, $failures failed"
exit 1
