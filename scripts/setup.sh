#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test Horalis, from
# Debian packages, as root. Quick when everything is already there.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

have_cmd cmake || need+=(cmake)
have_cmd ninja || need+=(ninja-build)
have_cmd g++ || need+=(g++)
have_cmd clang++ || need+=(clang)
have_cmd clang-format || need+=(clang-format)
have_cmd script || need+=(bsdutils)
have_cmd i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686)
# The x64 build, with the same posix thread model as i686.
have_cmd x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64)
have_cmd wine || need+=(wine)
have_pkg wine32:i386 || need+=(wine32:i386)
# 64-bit Wine, for the x64 build's tests; `wine` alone brings only the
# 32-bit loader on Debian.
have_pkg wine64 || need+=(wine64)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
# libFuzzer's runtime comes with clang's runtime package.
compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null ||
  need+=(libclang-rt-dev)

# Wine runs with a Russian locale (OEM 866, ANSI 1251); without the glibc
# locale it writes the console to a terminal as ASCII, so `make demo` shows
# '?' for box lines and Cyrillic.
need_ru_locale=0
locale -a 2>/dev/null | grep -qix 'ru_RU.utf8' || need_ru_locale=1
[ -f /usr/share/i18n/locales/ru_RU ] || need+=(locales)

if [ ${#need[@]} -eq 0 ]; then
  if [ $need_ru_locale -eq 1 ] && [ "$(id -u)" = 0 ]; then
    localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
  elif [ $need_ru_locale -eq 1 ]; then
    echo "setup: no ru_RU.UTF-8 locale (run as root to add it); make demo shows '?'" >&2
  fi
  exit 0
fi

if [ "$(id -u)" != 0 ]; then
  echo "setup: missing ${need[*]}; run as root to install them" >&2
  exit 1
fi
echo "setup: installing ${need[*]}"
export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -q
apt-get install -y -q --no-install-recommends "${need[@]}"
[ $need_ru_locale -eq 0 ] || localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
