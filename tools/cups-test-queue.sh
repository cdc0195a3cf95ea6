#!/usr/bin/env bash
# A printer for the tests: a CUPS queue that turns every job into a PDF file in a folder of the
# test run, so that printing is checked on real paper output without a real printer.
#
#   cups-test-queue.sh add FOLDER   start the scheduler when it is not running, add the queues
#                                   and make cups-pdf write their files to FOLDER
#   cups-test-queue.sh remove       delete the queues and give cups-pdf its previous folder back
#
# IxenvarTestPDF can mark the whole sheet. IxenvarTestPDFMargins is the same printer with an
# unprintable border on Letter and A4 paper (a quarter inch at the sides, half an inch at the
# top and bottom), as real printers have, so that printing can be seen to start at the corner
# of the printable area.
#
# Runs as root (cupsd and lpadmin need it), also where there is no service manager: cupsd
# puts itself in the background and the script waits until the scheduler answers.
set -euo pipefail

queue=IxenvarTestPDF
margin_queue=IxenvarTestPDFMargins
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
conf=/etc/cups/cups-pdf.conf
saved="$conf.ixenvar-saved"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

scheduler_running() {
  lpstat -r 2>/dev/null | grep -q "scheduler is running"
}

# Waits for a condition as long as it takes within a generous limit, checking often.
wait_for() {
  local what=$1
  shift
  for _ in $(seq 1 600); do
    if "$@"; then
      return 0
    fi
    sleep 0.1
  done
  echo "cups-test-queue: $what did not happen within a minute" >&2
  return 1
}

start_scheduler() {
  if scheduler_running; then
    return 0
  fi
  $sudo cupsd
  wait_for "the CUPS scheduler starting" scheduler_running
}

add() {
  local folder=$1
  mkdir -p "$folder"
  chmod 0777 "$folder"
  start_scheduler
  if [ ! -e "$saved" ]; then
    $sudo cp -p "$conf" "$saved"
  fi
  # cups-pdf reads its configuration for every job, so the new folder holds from the next one.
  $sudo sed -i -E "s|^#?Out .*|Out ${folder}|" "$conf"
  grep -q "^Out ${folder}\$" "$conf"
  add_queue "$queue" "$ppd"
  # Letter is also known as ANSI A; the printer may be given either name.
  local bordered
  bordered=$(mktemp)
  sed -E -e 's|^\*ImageableArea (Letter\|AnsiA)/([^:]*): ".*"|*ImageableArea \1/\2: "18 36 594 756"|' \
    -e 's|^\*ImageableArea A4/([^:]*): ".*"|*ImageableArea A4/\1: "18 36 577 806"|' "$ppd" >"$bordered"
  add_queue "$margin_queue" "$bordered"
  rm -f "$bordered"
}

add_queue() {
  local name=$1 driver=$2
  $sudo lpadmin -p "$name" -E -v cups-pdf:/ -P "$driver" -o printer-error-policy=abort-job
  $sudo cupsenable "$name"
  $sudo cupsaccept "$name"
  wait_for "the queue $name accepting jobs" \
    bash -c "lpstat -a '$name' 2>/dev/null | grep -q 'accepting requests'"
}

remove() {
  for name in "$queue" "$margin_queue"; do
    if scheduler_running && lpstat -p "$name" >/dev/null 2>&1; then
      $sudo cancel -a "$name" 2>/dev/null || true
      $sudo lpadmin -x "$name"
    fi
  done
  if [ -e "$saved" ]; then
    $sudo mv -f "$saved" "$conf"
  fi
}

case "${1:-}" in
add)
  [ $# -eq 2 ] || { echo "usage: $0 add FOLDER" >&2; exit 2; }
  add "$2"
  ;;
remove)
  remove
  ;;
*)
  echo "usage: $0 add FOLDER | remove" >&2
  exit 2
  ;;
esac
