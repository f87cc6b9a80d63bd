#!/usr/bin/env bash
# The committed sample: puzzles made by the generator, each with what the engine answers for it.
# It runs without the collections and catches a changed answer anywhere: the generator's puzzles
# for a seed, the counter's verdict and solution, the search's placements, both scales' ratings.
#
#   sample.sh check QUADRELLE_SOLVE [SAMPLE]   compare; a difference fails and is shown
#   sample.sh make  QUADRELLE_SOLVE [SAMPLE]   write it again after a deliberate change
#
# A line "#! ARGS" holds the --generate arguments that made the puzzles below it; under
# "#! kept" are puzzles written by hand (several solutions, none, invalid), only answered. The
# "#= explain" lines at the end sum up every step --explain takes, on each scale.
set -euo pipefail

mode=$1
solve=$2
sample=${3:-$(dirname "$0")/puzzles.txt}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The sample's skeleton: its comments and recipes, with the puzzles the recipes make now.
made() {
  local line
  while IFS= read -r line; do
    case $line in
      '#= '*) ;;
      '#! kept') echo "$line"; kept=1 ;;
      '#! '*)
        echo "$line"; kept=0
        # shellcheck disable=SC2086
        "$solve" --generate ${line#'#! '} -j2 2>/dev/null ;;
      '#'*) echo "$line" ;;
      *) if [ "$kept" = 1 ]; then cut -f1 <<<"$line"; fi ;;
    esac
  done <"$sample"
}

# Every puzzle line of a skeleton with its answers, the solution grid only in the count's.
answered() {
  local skeleton=$1
  grep -v '^#' "$skeleton" | cut -f1 >"$work/puzzles"
  # Invalid and unsolvable lines make a run end in failure; what it wrote is what is compared.
  set +e
  "$solve" --count -j2 "$work/puzzles" >"$work/count" 2>/dev/null
  "$solve" -j2 "$work/puzzles" 2>/dev/null | cut -d' ' -f1-2 >"$work/solve"
  "$solve" --rate -j2 "$work/puzzles" 2>/dev/null | sed -E 's/ [0-9]{81}$//' >"$work/se"
  "$solve" --rate --scale sukaku -j2 "$work/puzzles" 2>/dev/null | sed -E 's/ [0-9]{81}$//' >"$work/sukaku"
  for scale in se sukaku; do
    echo "#= explain $scale $("$solve" --explain --scale $scale -j2 "$work/puzzles" 2>/dev/null | md5sum | cut -d' ' -f1)"
  done >"$work/explained"
  set -e
  paste "$work/puzzles" "$work/count" "$work/solve" "$work/se" "$work/sukaku" >"$work/rows"
  exec 3<"$work/rows"
  while IFS= read -r line; do
    case $line in
      '#'*) echo "$line" ;;
      *) IFS= read -r row <&3; echo "$row" ;;
    esac
  done <"$skeleton"
  exec 3<&-
  cat "$work/explained"
}

kept=0
made >"$work/skeleton"
answered "$work/skeleton" >"$work/now"
case $mode in
  check)
    if ! diff "$sample" "$work/now" >"$work/diff"; then
      echo "sample: $(basename "$sample") differs from what the engine makes and answers now (< committed, > now):" >&2
      head -40 "$work/diff" >&2
      echo "(after a deliberate change: $0 make $solve)" >&2
      exit 1
    fi
    echo "sample: $(grep -vc '^#' "$sample") puzzles made and answered as committed" ;;
  make)
    cp "$work/now" "$sample"
    echo "sample: $sample written" ;;
  *) echo "usage: sample.sh check|make QUADRELLE_SOLVE [SAMPLE]" >&2; exit 2 ;;
esac
