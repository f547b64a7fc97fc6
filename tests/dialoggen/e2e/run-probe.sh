#!/usr/bin/env bash
# Runs the host stand-in under Wine with the dialog probe plugin, one run per
# scenario, keys as a person would press them, and compares what the probe
# reports on the command line.
#   run-probe.sh FARHOST PLUGINS_FOLDER OUTPUT_FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wine_run="$here/../../../scripts/wine-run"
farhost=$1
plugins=$2
out=$3
mkdir -p "$out"
passed=0
failed=0

# name, language, keys, the command line expected
scenario() {
  local file="$out/$1.txt"
  rm -f "$file"
  "$wine_run" "$farhost" --plugins "Z:$plugins" --lang "$2" --keys "$3" --output "Z:$file" \
    >"$out/$1.log" 2>&1 || true
  if grep -qxF "cmdline: $4" "$file" 2>/dev/null; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "$1: expected  cmdline: $4"
    echo "$1: got       $(grep '^cmdline:' "$file" 2>/dev/null || echo '(no output)')"
    sed 's/^/  /' "$out/$1.log"
  fi
}

# The dialog opens on the name at both showings: after Save, Enter inserts.
# Tab goes from Quick insert to the buttons: View only is hidden there.
preset_keys='F11 Enter "Probe" Tab "%Y-%m" Tab Down Space Tab Space Tab Tab Enter Enter'
preset_result='preset exit1=8 save1=1 exit2=7 save2=0 format=%Y-%m name=Probe radio=2 quick=1 view=0'
scenario preset-eng English "$preset_keys" "$preset_result"
scenario preset-rus Russian "$preset_keys" "$preset_result"
scenario calendar English 'F11 Down Enter Right Enter Esc t' \
  'calendar exit1=11 chosen1=11 exit2=-1 chosen2=-1 exit3=56 chosen3=0 mark=kept'
scenario pickers Russian 'F11 Down Down Enter Down Right Space Enter BS BS "30" Enter' \
  'pickers month_exit=60 month=5 year_exit=60 year=2030'

# Each dialog shown: Enter on its default button or focused item, Esc for
# the colour picker.
every_keys='F11 Down Down Down Enter Enter Enter Enter Enter Esc Enter Enter'
every_result='shown Main2=7 Auto=7 Menu=7 Indicator=16 Color Select=-1 Set Year=60 Set Month=60'
scenario every-eng English "$every_keys" "$every_result"
scenario every-rus Russian "$every_keys" "$every_result"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
