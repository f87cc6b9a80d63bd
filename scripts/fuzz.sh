#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan into build-fuzz/ and runs
# each for a while, both at once, from the committed seeds and a corpus drawn from the puzzle
# collections (built here, never committed). Findings land in build-fuzz/findings/.
# Usage: scripts/fuzz.sh [seconds per target]    (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build_dir=build-fuzz
datasets=${QUADRELLE_DATASETS:-../shared/datasets}
targets=(line_fuzzer batch_fuzzer reader_fuzzer)

command -v clang++ >/dev/null || scripts/setup.sh --no-build
cmake_args=(-G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DCMAKE_CXX_COMPILER=clang++ -DQUADRELLE_FUZZ=ON)
if [ -n "${QUADRELLE_WERROR:-}" ]; then
  cmake_args+=(-DQUADRELLE_WERROR="$QUADRELLE_WERROR")
fi
if ! log=$(cmake -S . -B "$build_dir" "${cmake_args[@]}" 2>&1); then
  echo "$log" >&2
  exit 1
fi
cmake --build "$build_dir" --target "${targets[@]}" -- --quiet

# A few lines spread over every collection: one a file for the line target, and the same
# lines as one input for the batch target (its first byte picks jobs and read-ahead) and for
# the reader.
corpus="$build_dir/corpus"
rm -rf "$corpus"
mkdir -p "$corpus/line_fuzzer" "$corpus/batch_fuzzer" "$corpus/reader_fuzzer"
if [ -d "$datasets" ]; then
  for file in "$datasets"/*.txt; do
    name=$(basename "$file" .txt)
    lines=$(wc -l <"$file")
    awk -v step=$((lines / 6 + 1)) 'NR % step == 1' "$file" | head -n 6 >"$corpus/$name.lines"
    n=0
    while IFS= read -r line; do
      printf '%s\n' "$line" >"$corpus/line_fuzzer/$name-$n"
      n=$((n + 1))
    done <"$corpus/$name.lines"
    { printf "\\x$(printf %02x $((${#name} * 7 % 256)))"; cat "$corpus/$name.lines"; } >"$corpus/batch_fuzzer/$name"
    mv "$corpus/$name.lines" "$corpus/reader_fuzzer/$name"
  done
else
  echo "fuzz.sh: no collections at $datasets; the committed seeds only" >&2
fi

findings="$build_dir/findings"
mkdir -p "$findings"
declare -A max_len=([line_fuzzer]=256 [batch_fuzzer]=1024 [reader_fuzzer]=2048)
pids=()
for target in "${targets[@]}"; do
  # New inputs go to the first folder, outside the source tree.
  mkdir -p "$build_dir/grown/$target"
  "$build_dir/tests/fuzz/$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout=20 \
    -print_final_stats=1 -artifact_prefix="$findings/$target-" \
    "$build_dir/grown/$target" "$corpus/$target" "tests/fuzz/seeds/${target%_fuzzer}" \
    >"$build_dir/$target.log" 2>&1 &
  pids+=($!)
done

status=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build_dir/$target.log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$build_dir/$target.log")
    echo "$target: ${runs:-?} runs in ${seconds}s, ${rate:-?}/s, nothing found"
  else
    status=1
    echo "$target: FAILED; input in $findings, log $build_dir/$target.log:" >&2
    grep -E -A30 'ERROR|check failed|runtime error' "$build_dir/$target.log" | head -60 >&2 || tail -40 "$build_dir/$target.log" >&2
  fi
done
exit $status
