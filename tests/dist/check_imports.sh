#!/usr/bin/env bash
# Each program or module named must be a PE of the given format (pei-i386,
# pei-x86-64) that imports nothing but Windows' own DLLs: a user's Windows
# has no mingw runtime.
#   check_imports.sh OBJDUMP FORMAT FILE...
set -u
objdump=$1
format=$2
shift 2
system_dlls='^(kernel32|user32|advapi32|msvcrt|gdi32|ntdll|shell32|ole32|comdlg32|comctl32|version)\.dll$'
passed=0
failed=0
for file in "$@"; do
  problems=()
  "$objdump" -f "$file" | grep -q "file format $format\$" || problems+=("not $format")
  imports=$("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$imports" ] || problems+=("no imports found")
  for dll in $imports; do
    [[ $dll =~ $system_dlls ]] || problems+=("imports $dll")
  done
  if [ ${#problems[@]} -eq 0 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $file: ${problems[*]}"
  fi
done
echo "$passed passed, $failed failed"
[ $failed -eq 0 ] && [ $passed -gt 0 ]
