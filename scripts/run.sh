#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quadrelle.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
exec build/src/quadrelle "$@"
