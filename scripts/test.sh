#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh              the whole project, into build/
#   scripts/test.sh --sanitize   the same but the benchmarks, under AddressSanitizer and UBSan,
#                                headless, into build-asan/
# The print tests need the CUPS scheduler, which this starts; they add PDF queues of their own.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh "$@"

build_dir=build
for arg in "$@"; do
  if [ "$arg" = "--sanitize" ]; then
    build_dir=build-asan
    # Qt from Debian is not instrumented; tests/sanitizers/lsan.supp says which of its leaks are
    # let through and why.
    export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
  fi
done

if [ -x scripts/cups.sh ]; then
  scripts/cups.sh
fi

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
ctest --test-dir "$build_dir" --output-on-failure -j2 --timeout 600
