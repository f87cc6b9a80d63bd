#!/usr/bin/env bash
# Whole-process time of `quadrelle-solve --count` over puzzle collections.
#
#   bench/count_throughput.sh [-s SOLVER] [-d DATASETS] [-p PEERS] [-r RUNS] [-j JOBS] [-n PUZZLES] [SET...]
#
# SET is a collection's file name without .txt (default: all fifteen in the datasets folder). Each set runs RUNS
# times (default 3), one process a run that reads the file as many times over as it takes to
# reach PUZZLES puzzles (default 50000), so that short sets last long enough to time. The best
# run's CPU seconds (user + sys, so a shared machine's waits do not count) and wall seconds are
# printed with microseconds a puzzle, and the verdict counts of one pass over the file.
# When PEERS (default ../shared/peers) holds tdoku_count.cpp, that peer's count-to-two driver is
# built into a temporary folder and run alternately with ours, one thread, on the same input;
# its line follows ours with the ratio of our CPU time to its. -p none leaves it out.
set -euo pipefail
cd "$(dirname "$0")/.."

solver=build/src/quadrelle-solve
datasets=${QUADRELLE_DATASETS:-../shared/datasets}
peers=../shared/peers
runs=3
jobs=1
target=50000
while getopts "s:d:p:r:j:n:h" option; do
  case $option in
    s) solver=$OPTARG ;;
    d) datasets=$OPTARG ;;
    p) peers=$OPTARG ;;
    r) runs=$OPTARG ;;
    j) jobs=$OPTARG ;;
    n) target=$OPTARG ;;
    *) sed -n '2,13p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
sets=("$@")
((${#sets[@]})) || sets=(magictour_top1465 forum_hardest_1106 17_clue_49158 forum_hardest_1905_11plus
  serg_benchmark_multisolution kaggle3m_radcliffe_sample7034 tdoku_test_puzzles cap_stress_7 magictour_top95
  norvig_easy50 norvig_hardest11 plb_hard20 sudoku_exchange_diabolical sudopedia_invalid7 top50000)

[ -x "$solver" ] || { echo "count_throughput.sh: no solver at $solver (build first, or pass -s)" >&2; exit 2; }
for set in "${sets[@]}"; do
  [ -r "$datasets/$set.txt" ] || { echo "count_throughput.sh: cannot read $datasets/$set.txt" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
peer=""
if [ -r "$peers/tdoku_count.cpp" ]; then
  peer=$work/tdoku_count
  (cd "$peers" && g++ -O3 -march=native -std=c++17 -o "$peer" tdoku_count.cpp tdoku/solver_dpll_triad_simd.cc tdoku/util.cc) ||
    { echo "count_throughput.sh: cannot build the peer in $peers" >&2; exit 2; }
fi

# time_run OUT COMMAND...: runs it and sets cpu and wall; exit status 1 (an invalid line) is fine.
time_run() {
  local out=$1
  shift
  # Removed first: truncating the last run's output would be charged to this one.
  rm -f "$out"
  TIMEFORMAT='%3U %3S %3R'
  { time "$@" >"$out" 2>/dev/null || [ $? -eq 1 ]; } 2>"$work/times"
  read -r user sys wall <"$work/times"
  cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')
}
smaller() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(b == "" || a < b) }'; }
# report NAME CPU WALL LINES OUT [RATIO]
report() {
  awk -v set="$1" -v cpu="$2" -v wall="$3" -v lines="$4" -v ratio="${6:-}" '
    { n++; if (n <= lines) count[$1]++ }
    END {
      printf "%-30s %8d %9.3f %9.3f %10.2f %10.2f  %d/%d/%d/%d %s\n", set, n, cpu, wall, cpu * 1e6 / n, wall * 1e6 / n,
        count["unique"], count["multiple"], count["none"], count["invalid"], ratio
    }' "$5"
}

printf '%-30s %8s %9s %9s %10s %10s  %s\n' set puzzles cpu-s wall-s cpu-us/pz wall-us/pz "unique/multiple/none/invalid"
for set in "${sets[@]}"; do
  file=$datasets/$set.txt
  lines=$(wc -l <"$file")
  repeat=$(((target + lines - 1) / lines))
  input=$work/input.txt
  : >"$input"
  for ((i = 0; i < repeat; i++)); do cat "$file" >>"$input"; done
  best_cpu="" best_wall="" peer_cpu="" peer_wall=""
  for ((run = 0; run < runs; run++)); do
    time_run "$work/ours" "$solver" --count --jobs "$jobs" "$input"
    if smaller "$cpu" "$best_cpu"; then best_cpu=$cpu; fi
    if smaller "$wall" "$best_wall"; then best_wall=$wall; fi
    [ -n "$peer" ] || continue
    time_run "$work/peer" "$peer" <"$input"
    if smaller "$cpu" "$peer_cpu"; then peer_cpu=$cpu; fi
    if smaller "$wall" "$peer_wall"; then peer_wall=$wall; fi
  done
  report "$set" "$best_cpu" "$best_wall" "$lines" "$work/ours"
  [ -n "$peer" ] || continue
  ratio=$(awk -v a="$best_cpu" -v b="$peer_cpu" 'BEGIN { if (b > 0) printf "ours/peer %.2fx", a / b }')
  report "  peer tdoku" "$peer_cpu" "$peer_wall" "$lines" "$work/peer" "$ratio"
done
