#!/usr/bin/env bash
# CUPS for the print tests, without touching the system's default printer or the PDF printer's
# settings: the tests add PDF queues of their own and find their documents by job number.
#   scripts/cups.sh                       starts the scheduler if needed; removes test queues
#                                         whose process has gone
#   scripts/cups.sh add NAME [OPTION...]  adds a PDF queue, e.g. add letter-q -o PageSize=Letter
#   scripts/cups.sh remove NAME           removes it
#   scripts/cups.sh folder                prints the folder the PDF printer writes into for this user
# A program prints on such a queue with LPDEST=NAME PRINTER=NAME; `lpstat -W completed -o NAME`
# lists its finished jobs as NAME-ID and each document is the file ending in -job_ID.pdf.
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

folder() {
  local out home
  out=$(sed -n -E 's/^Out[[:space:]]+(.*[^[:space:]])[[:space:]]*$/\1/p' "$conf" | tail -n 1)
  out=${out:-/var/spool/cups-pdf/\$\{USER\}}
  home=$(getent passwd "$(id -un)" | cut -d: -f6)
  out=${out//\$\{HOME\}/$home}
  echo "${out//\$\{USER\}/$(id -un)}"
}

case "${1:-}" in
  "")
    start
    prune
    ;;
  add)
    [ $# -ge 2 ] || { echo "usage: cups.sh add NAME [lpadmin option...]" >&2; exit 2; }
    name=$2
    shift 2
    start
    # "drivers are deprecated" is a harmless warning. Label=2 ends every file name in -job_ID.pdf.
    $sudo lpadmin -p "$name" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o Label=2 "$@" 2>/dev/null
    lpstat -v "$name" | grep -q ': cups-pdf:/' || { echo "cups.sh: $name is not a PDF queue" >&2; exit 1; }
    ;;
  remove)
    [ $# -eq 2 ] || { echo "usage: cups.sh remove NAME" >&2; exit 2; }
    $sudo lpadmin -x "$2"
    ;;
  folder)
    folder
    ;;
  *)
    echo "usage: cups.sh [add NAME [OPTION...] | remove NAME | folder]" >&2
    exit 2
    ;;
esac
