#!/usr/bin/env bash
# CUPS for the print tests, without touching the system's default printer or the PDF printer's
# settings: the tests add PDF queues of their own and find their documents by job number.
# Starts the scheduler if needed and removes test queues whose process has gone.
set -euo pipefail

conf=/etc/cups/cups-pdf.conf
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

for tool in cupsd lpadmin lpstat; do
  command -v "$tool" >/dev/null || { echo "cups.sh: $tool missing; run scripts/setup.sh" >&2; exit 1; }
done
[ -f "$conf" ] || { echo "cups.sh: $conf missing (printer-driver-cups-pdf)" >&2; exit 1; }

running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }

start() {
  running && return 0
  # In a container nothing starts it; cupsd forks into the background by itself.
  $sudo cupsd
  for _ in $(seq 50); do running && break; sleep 0.1; done
  running || { echo "cups.sh: the CUPS scheduler did not start" >&2; exit 1; }
}

# Queues the tests add are named quadrelle-test-PID-RANDOM; a crashed test leaves its queue behind.
prune() {
  local queue pid
  for queue in $(lpstat -p 2>/dev/null | awk '$1 == "printer" && $2 ~ /^quadrelle-test-[0-9]+-/ { print $2 }'); do
    pid=${queue#quadrelle-test-}
    pid=${pid%%-*}
    kill -0 "$pid" 2>/dev/null || $sudo lpadmin -x "$queue" 2>/dev/null || true
  done
}

[ $# -eq 0 ] || { echo "usage: cups.sh" >&2; exit 2; }
start
prune
