#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh              the whole project (starts CUPS with a PDF printer for the print tests)
#   scripts/test.sh --sanitize   the engine and the batch solver under AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh "$@"

build_dir=build
sanitize=false
for arg in "$@"; do
  [ "$arg" = "--sanitize" ] && { build_dir=build-asan; sanitize=true; }
done

if ! $sanitize && [ -x scripts/cups.sh ]; then
  scripts/cups.sh >/dev/null
fi

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
ctest --test-dir "$build_dir" --output-on-failure -j2 --timeout 600
