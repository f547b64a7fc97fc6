#!/bin/sh
# Lists every function longer than a screen (MAX lines, 60 unless given)
# in the C and C++ files named, as "file:line: name: N lines"; exits 1 when
# there is one. It reads the layout clang-format gives: a definition starts
# at the first column and its body ends with a "}" alone on a line.
max=${MAX:-60}
awk -v max="$max" '
  FNR == 1 { head = 0; body = 0 }
  body {
    if ($0 == "}") {
      n = FNR - head + 1
      if (n > max) { printf "%s:%d: %s: %d lines\n", FILENAME, head, name, n; long = 1 }
      body = 0; head = 0
    }
    next
  }
  /^[A-Za-z_]/ && !/^(namespace|struct|enum|class|union)\>/ && !/^extern "C" \{/ {
    head = FNR; text = ""
  }
  head {
    text = text $0
    if (text ~ /[=;]/ && text !~ /\(/) { head = 0; next }
    if ($0 ~ /\{$/ && text ~ /\(/ && text !~ /^[^(]*=/) {
      name = text; sub(/\(.*/, "", name); sub(/.*[ *&]/, "", name)
      body = 1
      if ($0 ~ /\}$/) body = 0
    } else if ($0 ~ /;$/) {
      head = 0
    }
  }
  END { exit long }
' "$@"
