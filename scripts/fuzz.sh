#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each one for
# SECONDS (default 60) from its seed corpus in fuzz/corpus/. Fails on the
# first finding, leaving the input that shows it in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
targets=(dvb_text eit_reader settings)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DTESSAROLL_FUZZ=ON -DTESSAROLL_SANITIZE=ON \
  -DTESSAROLL_TOOLKIT=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/%/_fuzz}"

mkdir -p "$build/findings"
for name in "${targets[@]}"; do
  # New inputs go to a scratch corpus in front of the seeds, so the seeds in
  # the repository stay as they are.
  work=$build/corpus/$name
  log=$build/$name.log
  mkdir -p "$work"
  echo "fuzzing $name for ${seconds}s"
  if ! "$build/fuzz/${name}_fuzz" "$work" "fuzz/corpus/$name" \
      -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$build/findings/$name-" -print_final_stats=1 >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz target $name failed: see $log and $build/findings/" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^Done' "$log" || true
done
