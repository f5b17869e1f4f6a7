#!/usr/bin/env bash
# Measures the playlist rebuild against the file-system work it cannot
# avoid, on generated recordings trees of the given sizes, and prints a
# Markdown table. Builds in Release first.
#
#   bench/run.sh [RECORDINGS ...]     default: 10000 100000
#
# Environment: BUILD_DIR (default: build-bench in the project), BENCH_TMP
# (where the trees go; default: $TMPDIR or /tmp), REPS (repetitions of each
# timing, default 5). A tree of 1,000,000 recordings takes about 5 GB and
# 2 million inodes, and the run several minutes.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$repo/build-bench}
tmp=${BENCH_TMP:-${TMPDIR:-/tmp}}
reps=${REPS:-5}
sizes=("$@")
((${#sizes[@]})) || sizes=(10000 100000)

for n in "${sizes[@]}"; do
  [[ $n =~ ^[1-9][0-9]*$ ]] || { echo "run.sh: not a number of recordings: $n" >&2; exit 2; }
done

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTESSAROLL_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target tessaroll_bench >/dev/null
bench=$build/bench/tessaroll_bench

# Each recording takes an event file's block and two inodes; the playlist,
# its backup and the baseline's file about 800 bytes more.
for n in "${sizes[@]}"; do
  need_kib=$((n * 6 + 100 * 1024))
  need_inodes=$((n * 2 + 100000))
  avail_kib=$(df -Pk "$tmp" | awk 'NR == 2 { print $4 }')
  avail_inodes=$(df -Pi "$tmp" | awk 'NR == 2 { print $4 }')
  if ((avail_kib < need_kib)) || { [[ $avail_inodes =~ ^[0-9]+$ ]] && ((avail_inodes < need_inodes)); }; then
    echo "run.sh: $n recordings need about $((need_kib / 1024)) MiB and $need_inodes inodes in $tmp;" \
      "$((avail_kib / 1024)) MiB and $avail_inodes inodes are free" >&2
    exit 1
  fi
done

tree=""
trap '[[ -n $tree ]] && rm -rf "$tree"' EXIT
echo "bench/run.sh ${sizes[*]}  (REPS=$reps, $(nproc) cores, $(uname -r))"
echo
"$bench" header
for n in "${sizes[@]}"; do
  tree=$(mktemp -d "$tmp/tessaroll-bench-XXXXXX")
  "$bench" generate "$tree" "$n" >&2
  "$bench" measure "$tree" "$reps"
  rm -rf "$tree"
  tree=""
done
