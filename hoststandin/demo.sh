#!/usr/bin/env bash
# `make demo`: the host stand-in with Horalis loaded, under Wine. With no
# KEYS it runs in this terminal for a person; with KEYS it presses them,
# prints the final command line, editor text and clipboard, and ends.
#   KEYS='F11 Enter Enter'  FROM=panels|editor|viewer  LNG=Eng|Rus
#   FILE=path (for the editor and viewer)  DUMP=1 (screen at the end)
#   KEEP=1 (a scripted run keeps the clipboard and settings of earlier runs;
#   without it the run's clipboard is its own)
# make passes these in the environment, so quoted text in KEYS stays whole.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/win32}
farhost=$build/hoststandin/farhost.exe
dist=$build/dist
export HORALIS_WINEPREFIX=${HORALIS_WINEPREFIX:-$build/wineprefix}

for need in "$farhost" "$dist/Horalis/Horalis.dll"; do
  [ -f "$need" ] || { echo "demo: $need is missing; run make demo" >&2; exit 1; }
done
[ -f "$dist/Horalis/Dialog.gen" ] ||
  echo "demo: Dialog.gen is missing: Horalis will not open its menu" >&2
[ -d "$HORALIS_WINEPREFIX" ] || "$root/scripts/wine-run" --prepare

# Wine reaches the Linux file system as drive Z:.
args=(--plugins "Z:$dist" --from "${FROM:-panels}" --lang "${LNG:-Eng}")
[ -n "${FILE:-}" ] && args+=(--file "Z:$(realpath -m "$FILE")")
[ -n "${DUMP:-}" ] && args+=(--dump)

if [ -n "${KEYS:-}" ]; then
  # A scripted run starts from an empty clipboard and the plugin's default
  # settings, so it prints the same whatever ran before. The clipboard is
  # the run's own (a window station of its own), so that an interactive
  # demo running beside it keeps what its clipboard holds. KEEP=1 shares
  # the prefix's clipboard and settings with earlier and later runs.
  [ -n "${KEEP:-}" ] || args+=(--own-clipboard --scratch-settings)
  # The stand-in reports in the console's OEM code page (866).
  "$root/scripts/wine-run" "$farhost" "${args[@]}" --keys "$KEYS" | iconv -f CP866 -t UTF-8
  exit "${PIPESTATUS[0]}"
fi

if [ ! -t 0 ] || [ ! -t 1 ]; then
  echo "demo: needs a terminal; or give keys: make demo KEYS='F11 Enter Enter' FROM=editor" >&2
  exit 1
fi
export WINEPREFIX=$HORALIS_WINEPREFIX WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# A Russian system, as the plugin's users have: OEM code page 866.
LC_ALL=${HORALIS_WINE_LOCALE:-ru_RU.UTF-8} exec wine "$farhost" "${args[@]}"
