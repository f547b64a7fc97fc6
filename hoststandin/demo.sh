#!/usr/bin/env bash
# `make demo`: the host stand-in with Horalis loaded, under Wine. With no
# KEYS it runs in this terminal for a person; with KEYS it presses them,
# prints the final command line, editor text and clipboard, and ends.
#   KEYS='F11 Enter Enter'  FROM=panels|editor|viewer  LNG=Eng|Rus
#   FILE=path (for the editor and viewer)  DUMP=1 (screen at the end)
#   KEEP=1 (a scripted run keeps the clipboard and settings of earlier runs;
#   without it the run's clipboard is its own)
#   GEN=3 (the 3.x plugin Horalis3 instead, through the stand-in's second
#   face; its report is UTF-8)  ARCH=x64 (its 64-bit build, 64-bit stand-in)
# make passes these in the environment, so quoted text in KEYS stays whole.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
gen=${GEN:-}
arch=${ARCH:-x86}
case "$gen/$arch" in
  /x86 | 3/x86 | 3/x64) ;;
  /x64) echo "demo: the 64-bit stand-in loads only 3.x plugins: add GEN=3" >&2; exit 1 ;;
  *) echo "demo: GEN is 3 or unset, ARCH x86 or x64" >&2; exit 1 ;;
esac
preset=win32 run=("$root/scripts/wine-run")
if [ "$arch" = x64 ]; then
  preset=win64 run=("$root/scripts/wine-run" --win64)
fi
build=${BUILD:-$root/build/$preset}
farhost=$build/hoststandin/farhost.exe
export HORALIS_WINEPREFIX=${HORALIS_WINEPREFIX:-$build/wineprefix}

if [ "$gen" = 3 ]; then
  # The 3.x plugin alone in a plugins folder of the demo's own (dist also
  # holds the 1.60 plugin). HORALIS3_DIR names another plugin's folder.
  from=${HORALIS3_DIR:-$build/dist3/Horalis3}
  [ -f "$farhost" ] || { echo "demo: $farhost is missing; run make demo GEN=3" >&2; exit 1; }
  ls "$from"/*.dll >/dev/null 2>&1 ||
    { echo "demo: no 3.x plugin in $from: this tree does not build Horalis3 (plugin3/)" >&2; exit 1; }
  dist=$build/demo3
  rm -rf "$dist"
  mkdir -p "$dist"
  cp -r "$from" "$dist/"
else
  dist=$build/dist
  for need in "$farhost" "$dist/Horalis/Horalis.dll"; do
    [ -f "$need" ] || { echo "demo: $need is missing; run make demo" >&2; exit 1; }
  done
  [ -f "$dist/Horalis/Dialog.gen" ] ||
    echo "demo: Dialog.gen is missing: Horalis will not open its menu" >&2
fi
[ -d "$HORALIS_WINEPREFIX" ] || "${run[@]}" --prepare

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
  # The stand-in reports in the console's OEM code page (866); a run with
  # a 3.x plugin in UTF-8.
  if [ "$gen" = 3 ]; then
    "${run[@]}" "$farhost" "${args[@]}" --keys "$KEYS"
    exit
  fi
  "${run[@]}" "$farhost" "${args[@]}" --keys "$KEYS" | iconv -f CP866 -t UTF-8
  exit "${PIPESTATUS[0]}"
fi

if [ ! -t 0 ] || [ ! -t 1 ]; then
  echo "demo: needs a terminal; or give keys: make demo KEYS='F11 Enter Enter' FROM=editor" >&2
  exit 1
fi
export WINEPREFIX=$HORALIS_WINEPREFIX WINEARCH=$preset WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# A Russian system, as the plugin's users have: OEM code page 866.
LC_ALL=${HORALIS_WINE_LOCALE:-ru_RU.UTF-8} exec wine "$farhost" "${args[@]}"
