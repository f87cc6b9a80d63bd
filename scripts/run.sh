#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quadrelle.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

if [ ! -x build/src/quadrelle ]; then
  echo "The window is not built yet; solving a sample with the batch solver instead."
  exec build/src/quadrelle-solve ../shared/datasets/norvig_hardest11.txt
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "quadrelle: no display to open the window on; run it under Xvfb: xvfb-run -a scripts/run.sh" >&2
  exit 1
fi
exec build/src/quadrelle "$@"
