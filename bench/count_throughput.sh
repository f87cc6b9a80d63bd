#!/usr/bin/env bash
# Whole-process time of `quadrelle-solve --count` over puzzle collections.
#
#   bench/count_throughput.sh [-s SOLVER] [-d DATASETS] [-r RUNS] [-j JOBS] [-n PUZZLES] [SET...]
#
# SET is a collection's file name without .txt (default: the six below). Each set runs RUNS
# times (default 3), one process a run that reads the file as many times over as it takes to
# reach PUZZLES puzzles (default 20000), so that short sets last long enough to time. The best
# run's CPU seconds (user + sys, so a shared machine's waits do not count) and wall seconds are
# printed with microseconds a puzzle, and the verdict counts of one pass over the file.
set -euo pipefail
cd "$(dirname "$0")/.."

solver=build/src/quadrelle-solve
datasets=${QUADRELLE_DATASETS:-../shared/datasets}
runs=3
jobs=1
target=20000
while getopts "s:d:r:j:n:h" option; do
  case $option in
    s) solver=$OPTARG ;;
    d) datasets=$OPTARG ;;
    r) runs=$OPTARG ;;
    j) jobs=$OPTARG ;;
    n) target=$OPTARG ;;
    *) sed -n '2,10p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
sets=("$@")
((${#sets[@]})) || sets=(magictour_top1465 forum_hardest_1106 17_clue_49158 forum_hardest_1905_11plus
  serg_benchmark_multisolution kaggle3m_radcliffe_sample7034)

[ -x "$solver" ] || { echo "count_throughput.sh: no solver at $solver (build first, or pass -s)" >&2; exit 2; }
for set in "${sets[@]}"; do
  [ -r "$datasets/$set.txt" ] || { echo "count_throughput.sh: cannot read $datasets/$set.txt" >&2; exit 2; }
done

out=$(mktemp)
times=$(mktemp)
trap 'rm -f "$out" "$times"' EXIT

printf '%-30s %8s %9s %9s %10s %10s  %s\n' set puzzles cpu-s wall-s cpu-us/pz wall-us/pz "unique/multiple/none/invalid"
for set in "${sets[@]}"; do
  file=$datasets/$set.txt
  lines=$(wc -l <"$file")
  repeat=$(((target + lines - 1) / lines))
  inputs=()
  for ((i = 0; i < repeat; i++)); do inputs+=("$file"); done
  best_cpu=""
  best_wall=""
  for ((run = 0; run < runs; run++)); do
    TIMEFORMAT='%3U %3S %3R'
    { time "$solver" --count --jobs "$jobs" "${inputs[@]}" >"$out" 2>/dev/null || [ $? -eq 1 ]; } 2>"$times"
    read -r user sys wall <"$times"
    cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')
    if [ -z "$best_cpu" ] || awk -v a="$cpu" -v b="$best_cpu" 'BEGIN { exit !(a < b) }'; then best_cpu=$cpu; fi
    if [ -z "$best_wall" ] || awk -v a="$wall" -v b="$best_wall" 'BEGIN { exit !(a < b) }'; then best_wall=$wall; fi
  done
  awk -v set="$set" -v cpu="$best_cpu" -v wall="$best_wall" -v lines="$lines" '
    { n++; if (n <= lines) count[$1]++ }
    END {
      printf "%-30s %8d %9.3f %9.3f %10.1f %10.1f  %d/%d/%d/%d\n", set, n, cpu, wall, cpu * 1e6 / n, wall * 1e6 / n,
        count["unique"], count["multiple"], count["none"], count["invalid"]
    }' "$out"
done
