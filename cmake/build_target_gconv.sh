#!/usr/bin/env bash
# Builds the C library's character set converters for the PowerPC target
# into OUT_DIR, for the emulated test runs: iconv loads them at run time,
# and Debian's cross C library (libc6-powerpc-cross) ships none. They are
# glibc's own converters, compiled from Debian's glibc-source with the cross
# compiler and linked against the cross C library, so the emulated tests use
# the same conversion code as a PowerPC glibc would.
#
# Usage: build_target_gconv.sh OUT_DIR WORK_DIR
set -euo pipefail

out=$1
work=$2
target=powerpc-linux-gnu
sysroot=/usr/$target
tarball=$(ls /usr/src/glibc/glibc-*.tar.xz 2>/dev/null | head -n 1 || true)
if [ -z "$tarball" ]; then
  echo "glibc's source is missing: install glibc-source" >&2
  exit 1
fi

# The converters call into the C library's private interface, which only
# stays put within one release.
source_version=$(basename "$tarball" .tar.xz)
source_version=${source_version#glibc-}
cross_version=$(dpkg-query -W -f='${Version}' libc6-powerpc-cross)
case $cross_version in
  "$source_version"-*) ;;
  *)
    echo "glibc-source $source_version does not match libc6-powerpc-cross $cross_version" >&2
    exit 1
    ;;
esac

# Everything is decoded to UTF-32, which is a loaded converter too. The
# multi-byte converters keep their tables in a library of their own beside
# them (libKSC, libGB).
single_byte=(1 2 3 4 5 6 7 8 9 10 11 13 14 15)

rm -rf "$work"
mkdir -p "$work/build" "$out"
tar xf "$tarball" -C "$work" --exclude='*/localedata/locales' --exclude='*/manual' \
  --exclude='*/po' --exclude='*/benchtests' --exclude='*/timezone/testdata'
src=$work/glibc-$source_version

(cd "$work/build" &&
  "$src/configure" --host=$target --build="$(gcc -dumpmachine)" \
    --prefix=/usr --disable-werror >configure.log 2>&1) || {
  tail -n 20 "$work/build/configure.log" >&2
  exit 1
}

objects=(utf-32.os ksc5601.os euc-kr.os gb2312.os euc-cn.os big5.os)
for n in "${single_byte[@]}"; do objects+=("iso8859-$n.os"); done
make -r -s -C "$src/iconvdata" objdir="$work/build" -j"$(nproc)" \
  "${objects[@]/#/$work/build/iconvdata/}"

obj=$work/build/iconvdata
link() {  # NAME OBJECT [LINK ARGS...]
  local name=$1 object=$2
  shift 2
  $target-gcc -shared -Wl,-z,defs -o "$out/$name.so" "$obj/$object" "$@"
}
map=-Wl,--version-script=$src/iconvdata/gconv.map
link libKSC ksc5601.os -Wl,-soname,libKSC.so
link libGB gb2312.os -Wl,-soname,libGB.so
link EUC-KR euc-kr.os "$map" -L"$out" -lKSC -Wl,-rpath,'$ORIGIN'
link EUC-CN euc-cn.os "$map" -L"$out" -lGB -Wl,-rpath,'$ORIGIN'
link BIG5 big5.os "$map"
link UTF-32 utf-32.os "$map"
for n in "${single_byte[@]}"; do link "ISO8859-$n" "iso8859-$n.os" "$map"; done

# glibc's own module list; the entries for converters not built here only
# make iconv_open fail for those charsets.
cat "$src/iconvdata/gconv-modules" "$src/iconvdata/gconv-modules-extra.conf" \
  >"$out/gconv-modules"
rm -rf "$work"
