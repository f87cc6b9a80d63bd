#!/usr/bin/env bash
# The rater on one thread: puzzles per second (wall clock and CPU) and how well it agrees with
# published ratings (same whole-point band, within 0.2, exact, Spearman, and exact per published
# score), each collection on the scale it was rated on: the Sudoku Exchange bank's diabolical set
# and its sample of other scores on Sukaku Explainer's, the forum sample on Sudoku Explainer's;
# then the Kaggle sample, which carries no rating, for speed on the default scale.
#
#   bench/rating_throughput.sh [BUILD_DIR] [EFFORT]      (EFFORT in thousandths of the default)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
effort=${2:-1000}
datasets=${QUADRELLE_DATASETS:-../shared/datasets}
for run in "originals/sudoku_exchange_diabolical.orig.txt sukaku" \
           "originals/sudoku_exchange_diabolical.orig.txt se" \
           "ratings/sukaku_bank_sample.txt sukaku" \
           "ratings/se_controlled_bias_sample.txt se" \
           "kaggle3m_radcliffe_sample7034.txt se"; do
  set -- $run
  echo "== $1 on the $2 scale"
  "$build/bench/rating_agreement" "$datasets/$1" "$2" "$effort" | grep -v '^  hardest'
done
