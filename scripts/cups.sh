#!/usr/bin/env bash
# Makes a CUPS PDF printer the default printer, for the print tests. Safe to run again.
# Starts the scheduler if it is not running, adds the queue "PDF", makes it the default,
# and sends its PDFs to one folder, whose path it prints last.
# Usage: scripts/cups.sh [output-folder]    (default /var/spool/cups-pdf-quadrelle)
set -euo pipefail

out=${1:-/var/spool/cups-pdf-quadrelle}
queue=PDF
conf=/etc/cups/cups-pdf.conf

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

for tool in cupsd lpadmin lpstat; do
  command -v "$tool" >/dev/null || { echo "cups.sh: $tool missing; run scripts/setup.sh" >&2; exit 1; }
done
[ -f "$conf" ] || { echo "cups.sh: $conf missing (printer-driver-cups-pdf)" >&2; exit 1; }

running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }

if ! running; then
  # In a container nothing starts it; cupsd forks into the background by itself.
  $sudo cupsd
  for _ in $(seq 50); do running && break; sleep 0.1; done
  running || { echo "cups.sh: the CUPS scheduler did not start" >&2; exit 1; }
fi

$sudo mkdir -p "$out"
$sudo chmod 1777 "$out"
# The backend re-reads its settings for every job: no restart needed.
if grep -qE '^Out[[:space:]]' "$conf"; then
  $sudo sed -i -E "s|^Out[[:space:]].*|Out ${out}|" "$conf"
else
  echo "Out ${out}" | $sudo tee -a "$conf" >/dev/null
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  # "drivers are deprecated" is a harmless warning.
  $sudo lpadmin -p "$queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
fi
$sudo cupsenable "$queue"
$sudo cupsaccept "$queue"
$sudo lpadmin -d "$queue"

lpstat -d | grep -q "$queue" || { echo "cups.sh: $queue is not the default printer" >&2; exit 1; }
echo "$out"
