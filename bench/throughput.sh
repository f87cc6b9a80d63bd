#!/usr/bin/env bash
# Throughput of quadrelle-solve over whole puzzle collections.
#
#   bench/throughput.sh [-s SOLVER] [-d DATASETS] [-j "1 2"] [SET...]
#
# SET is a collection's file name without .txt (default: the four below). For each set and
# job count it prints puzzles/s and placements/s over the wall-clock time, the CPU seconds
# used (a shared machine slows the wall clock), the total placement count and the status
# counts. The total placement count is a signature of the search: it must not change
# unless a bug is fixed, and it must be the same for every job count.
set -euo pipefail
cd "$(dirname "$0")/.."

solver=build/src/quadrelle-solve
datasets=${QUADRELLE_DATASETS:-../shared/datasets}
jobs="1 2"
while getopts "s:d:j:h" option; do
  case $option in
    s) solver=$OPTARG ;;
    d) datasets=$OPTARG ;;
    j) jobs=$OPTARG ;;
    *) sed -n '2,9p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
sets=("$@")
((${#sets[@]})) || sets=(17_clue_49158 magictour_top1465 forum_hardest_1106 top50000)

[ -x "$solver" ] || { echo "throughput.sh: no solver at $solver (build first, or pass -s)" >&2; exit 2; }
for set in "${sets[@]}"; do
  [ -r "$datasets/$set.txt" ] || { echo "throughput.sh: cannot read $datasets/$set.txt" >&2; exit 2; }
done

out=$(mktemp)
trap 'rm -f "$out"' EXIT

printf '%-22s %4s %8s %9s %9s %11s %14s %14s  %s\n' set jobs puzzles seconds cpu-s puzzles/s placements/s placements \
  "solved/unsolvable/gave-up/invalid"
for set in "${sets[@]}"; do
  for j in $jobs; do
    start=$(date +%s.%N)
    cpu=$( { TIMEFORMAT='%U %S'; time "$solver" --jobs "$j" "$datasets/$set.txt" >"$out" 2>/dev/null || [ $? -eq 1 ]; } 2>&1)
    end=$(date +%s.%N)
    awk -v set="$set" -v jobs="$j" -v start="$start" -v end="$end" -v cpu="$cpu" '
      { n++; placements += $2; count[$1]++ }
      END {
        s = end - start
        split(cpu, c, " ")
        printf "%-22s %4d %8d %9.2f %9.2f %11.1f %14.0f %14.0f  %d/%d/%d/%d\n", set, jobs, n, s, c[1] + c[2], n / s,
          placements / s, placements, count["solved"], count["unsolvable"], count["gave-up"], count["invalid"]
      }' "$out"
  done
done
