#!/usr/bin/env bash
# The rater on one thread: puzzles per second (wall clock and CPU) over the diabolical set and
# the Kaggle sample, and how well it agrees with the diabolical set's published ratings (same
# whole-point band, within 0.2, exact, Spearman).
#
#   bench/rating_throughput.sh [BUILD_DIR] [LIMIT_MS]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
limit=${2:-1000}
datasets=${QUADRELLE_DATASETS:-../shared/datasets}
"$build/bench/rating_agreement" "$datasets/originals/sudoku_exchange_diabolical.orig.txt" "$limit"
"$build/bench/rating_agreement" "$datasets/kaggle3m_radcliffe_sample7034.txt" "$limit"
