# Sourced by scripts/test: a private CUPS server for the real-print test, with
# three PDF queues that write into the build folder: "PDF" takes jobs,
# "Rejecting" refuses them, "Removed" is there for the test to delete. The
# server listens only on a socket in the build folder, never touches the
# machine's own printers, and is stopped when the script ends. Where CUPS is not
# installed or the script does not run as root, nothing is started and the
# test says it was skipped.
print_server_dir="$PWD/build/print-server"
print_server_pid=""
cups_pdf_instance="ormandel-test"
cups_pdf_conf="/etc/cups/cups-pdf-$cups_pdf_instance.conf"

stop_print_server() {
  if [ -n "$print_server_pid" ]; then
    kill "$print_server_pid" 2>/dev/null || true
    wait "$print_server_pid" 2>/dev/null || true
    print_server_pid=""
  fi
  rm -f "$cups_pdf_conf"
}

start_print_server() {
  local why=""
  if [ "$(id -u)" -ne 0 ]; then why="the tests do not run as root"
  elif [ ! -x /usr/sbin/cupsd ] || ! command -v lpadmin >/dev/null; then why="CUPS is not installed"
  elif [ ! -x /usr/lib/cups/backend/cups-pdf ]; then why="the CUPS PDF printer is not installed"
  fi
  if [ -n "$why" ]; then
    echo "== no print server for the real-print test: $why"
    return 0
  fi
  local d="$print_server_dir"
  rm -rf "$d"
  mkdir -p "$d"/{spool,cache,state,tmp,log,out,pdf-spool}
  cat >"$d/cups-files.conf" <<CONF
SystemGroup root
ServerRoot $d
RequestRoot $d/spool
CacheDir $d/cache
StateDir $d/state
TempDir $d/tmp
AccessLog $d/log/access_log
ErrorLog $d/log/error_log
PageLog $d/log/page_log
CONF
  cat >"$d/cupsd.conf" <<CONF
LogLevel info
Listen $d/cups.sock
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow localhost
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  # The PDF printer's own settings for our queues: files land in the build
  # folder, named after the job.
  cat >"$cups_pdf_conf" <<CONF
Out $d/out
AnonDirName $d/out
Spool $d/pdf-spool
Log $d/log
CONF
  trap stop_print_server EXIT
  run_print_server
}

# Starts cupsd on the folder made above and waits for its socket; the test stops
# it at its end to see a stopped server told.
run_print_server() {
  local d="$print_server_dir"
  timeout 3600 /usr/sbin/cupsd -f -c "$d/cupsd.conf" -s "$d/cups-files.conf" >>"$d/log/cupsd.out" 2>&1 &
  print_server_pid=$!
  local i
  for i in $(seq 50); do
    [ -S "$d/cups.sock" ] && break
    sleep 0.2
  done
  if [ ! -S "$d/cups.sock" ]; then
    echo "== the print server did not start; the real-print test is skipped" >&2
    stop_print_server
    unset ORMANDEL_TEST_CUPS_SERVER ORMANDEL_TEST_CUPS_OUT ORMANDEL_TEST_CUPS_PID
    return 0
  fi
  export ORMANDEL_TEST_CUPS_SERVER="$d/cups.sock"
  export ORMANDEL_TEST_CUPS_OUT="$d/out"
  export ORMANDEL_TEST_CUPS_PID="$print_server_pid"
  echo "== print server at $ORMANDEL_TEST_CUPS_SERVER"
}

# (Re)creates the three queues before each test run, and the server when the
# last run stopped it: the test removes one queue and stops the server.
add_print_queues() {
  [ -n "${ORMANDEL_TEST_CUPS_SERVER:-}" ] || return 0
  if ! kill -0 "$print_server_pid" 2>/dev/null; then
    wait "$print_server_pid" 2>/dev/null || true
    run_print_server
    [ -n "${ORMANDEL_TEST_CUPS_SERVER:-}" ] || return 0
  fi
  local q
  for q in PDF Rejecting Removed; do
    timeout 30 lpadmin -h "$ORMANDEL_TEST_CUPS_SERVER" -p "$q" -v "cups-pdf:/$cups_pdf_instance" -E \
      -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o TitlePref=1 2>/dev/null || echo "== could not add the print queue $q" >&2
  done
  CUPS_SERVER="$ORMANDEL_TEST_CUPS_SERVER" timeout 30 cupsreject -r "Not taking jobs" Rejecting || true
}
