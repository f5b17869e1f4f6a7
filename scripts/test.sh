#!/usr/bin/env bash
# Sets everything up and runs every test: natively; again under
# AddressSanitizer and UndefinedBehaviorSanitizer; built for the receiver's
# 32-bit big-endian PowerPC and run under qemu's user-mode emulation; and
# the fuzz targets, a minute each. Ends with the time each stage took.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

timings=()
started=$SECONDS
stage_done() {
  timings+=("$(printf '%-28s %5d s' "$1" $((SECONDS - started)))")
  started=$SECONDS
}

bash scripts/setup.sh
ctest --test-dir build --output-on-failure -j"$jobs"
stage_done "native"

# A host program that a test starts may be expected to fail, so an exit
# status alone cannot show a finding there: every finding aborts the
# program (a signal, which no test expects), and AddressSanitizer's and
# LeakSanitizer's reports also go to files that must stay empty.
reports=$PWD/build-asan/sanitizer-reports
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSAROLL_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
rm -rf "$reports"
mkdir -p "$reports"
status=0
ASAN_OPTIONS="log_path=$reports/report:abort_on_error=1:detect_leaks=1:strict_string_checks=1" \
UBSAN_OPTIONS="print_stacktrace=1:abort_on_error=1" \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" || status=$?
if compgen -G "$reports/*" >/dev/null; then
  cat "$reports"/*
  echo "sanitizer reports above" >&2
  status=1
fi
((status == 0)) || exit "$status"
stage_done "sanitizers"

cmake -S . -B build-ppc -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/powerpc-linux-gnu.cmake >/dev/null
cmake --build build-ppc -j"$jobs"
ctest --test-dir build-ppc --output-on-failure -j"$jobs"
stage_done "PowerPC under emulation"

bash scripts/fuzz.sh 60
stage_done "fuzzing"

echo "Time per stage:"
printf '  %s\n' "${timings[@]}"
