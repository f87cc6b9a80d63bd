#!/usr/bin/env bash
# The answers through GNU parallel, the input cut into many blocks, are byte for byte those of
# a single run, in every mode. Usage: parallel_test.sh QUADRELLE_SOLVE [DATASETS_FOLDER]
set -euo pipefail
solve=$1
datasets=${2:-}
if ! command -v parallel >/dev/null; then
  echo "SKIP: GNU parallel is not installed (scripts/setup.sh installs it)"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work # parallel keeps its state under $HOME

# Every kind of answer and every kind of line the reader takes, relabelled so that no two
# blocks hold the same lines; a real collection besides when there is one.
input=$work/puzzles.txt
digits=123456789
for round in $(seq 0 44); do
  shift=$((round % 9))
  relabel="${digits:shift}${digits:0:shift}"
  tr "$digits" "$relabel" <<EOF_LINES
# round $round
530070000600195000098000060800060003400803001700020006060000280000419005000080079
000000000000000000000000000000000000000000000000000000000000000000000000000000000
530070000600195000098000060800060003400803001700020006060000280000419005000000000, note

123456780000000009000000000000000000000000000000000000000000000000000000000000000
110000000000000000000000000000000000000000000000000000000000000000000000000000000
123
.................................................................................x
EOF_LINES
  printf '%s\r\n' "........................................................................$((round % 9 + 1))........"
done >"$input"
for collection in norvig_hardest11.txt magictour_top95.txt; do
  [ -f "$datasets/$collection" ] && cat "$datasets/$collection" >>"$input"
done

block=2k
blocks=$(parallel --will-cite --pipe -k --block "$block" wc -l <"$input" | wc -l)
((blocks >= 8)) || { echo "FAIL: only $blocks blocks"; exit 1; }

for mode in solve --count; do
  args=(); [ "$mode" = solve ] || args=("$mode")
  status=0
  "$solve" "${args[@]}" <"$input" >"$work/direct" 2>/dev/null || status=$?
  ((status <= 1)) || { echo "FAIL: $mode: a direct run ended with $status"; exit 1; }
  status=0
  parallel --will-cite --pipe -k --block "$block" "$solve" "${args[@]}" <"$input" >"$work/split" 2>/dev/null || status=$?
  # parallel's exit status counts the blocks whose run failed; 255 is its own failure.
  ((status < 255)) || { echo "FAIL: $mode: parallel ended with $status"; exit 1; }
  cmp "$work/direct" "$work/split" || { echo "FAIL: $mode: the answers through parallel differ"; exit 1; }
  echo "$mode: $(wc -l <"$work/direct") answers alike over $blocks blocks"
done
