#!/usr/bin/env bash
# Starts the real program under Xvfb and saves a picture of its window.
# Usage: scripts/screenshot.sh [build-dir] [output.png]   (defaults: build, docs/window.png)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build}
output=${2:-docs/window.png}
program="$build_dir/src/quadrelle"
[ -x "$program" ] || { echo "screenshot: no program at $program; build first" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

# A display number nobody uses.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=":$display"
runtime_dir=$(mktemp -d)
XDG_RUNTIME_DIR="$runtime_dir" "$program" >/dev/null 2>&1 &
app_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name "Quadrelle Sudoku Suite" | head -n 1)
sleep 1 # let the first paint finish
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
rm -rf "$runtime_dir"
echo "saved $output ($(identify -format '%wx%h' "$output"))"
