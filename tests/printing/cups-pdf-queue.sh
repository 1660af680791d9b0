#!/usr/bin/env bash
# Makes the CUPS queue the printing test prints to: a cups-pdf queue named
# TarvikTest whose PDF files carry their job number. Starts the scheduler
# when it is not running and this user may. Prints the folder the PDF files
# arrive in; exits 77 with the reason on standard error when the queue
# cannot be had.
set -u
queue=TarvikTest
skip() { echo "$*" >&2; exit 77; }

for tool in cupsd lpadmin lpstat; do
  command -v "$tool" >/dev/null 2>&1 || [ -x "/usr/sbin/$tool" ] || skip "$tool is not installed (cups)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  [ "$(id -u)" -eq 0 ] || skip "the CUPS scheduler is not running and only root may start it"
  mkdir -p /run/cups
  PATH="$PATH:/usr/sbin" cupsd || skip "cupsd did not start"
  for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
  done
  lpstat -r 2>/dev/null | grep -q "is running" || skip "cupsd did not answer"
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  [ "$(id -u)" -eq 0 ] || skip "the queue $queue does not exist and only root may add it"
  # job numbers in the file names, so two jobs of one title do not meet
  printf 'Label 2\n' >"/etc/cups/cups-pdf-$queue.conf"
  PATH="$PATH:/usr/sbin" lpadmin -p "$queue" -v cups-pdf:/ -E -m "$ppd" 2>/dev/null \
    || skip "lpadmin could not add the queue $queue"
fi
lpstat -p "$queue" 2>/dev/null | grep -q enabled || skip "the queue $queue is not enabled"

# cups-pdf writes a user's jobs into ~/PDF of that user.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
echo "$home/PDF"
