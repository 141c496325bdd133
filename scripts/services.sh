# shellcheck shell=bash
# Sourced by the test script and by the runner of the test programs
# (cmake/run-wine-test.sh): the real peers that the destination tests talk to, each in
# a private folder, reachable only through 127.0.0.1 or a private Unix socket, and
# stopped by pid when the calling script exits. Never touches a system CUPS, a system
# FTP or SMTP server or the system's ODBC data sources.
#
#   vell_start_services         the peers of a whole test run, in a new private folder
#                               below /tmp (the print filters run as the user lp, who
#                               may not pass the folders above the checkout, e.g. a
#                               home of mode 0700): the printer, when running as root
#                               (otherwise none: VELL_PRINTER_SKIPPED says why), and
#                               the FTP server
#   vell_stop_services          stops every peer this shell started and removes the
#                               folder of vell_start_services
#
#   vell_start_printing DIR     private cupsd with the cups-pdf printer "PDF" as the
#                               default; exports CUPS_SERVER (its socket), VELL_PDF_DIR
#                               and VELL_PDF_DIR_WIN (where the PDFs land). Must run
#                               before the first Wine process: Wine asks CUPS for its
#                               printers when its printing library first loads.
#   vell_pdf_dir                prints the folder where the printer writes its PDFs
#   vell_start_pdf_pages DIR    renders the first page of every PDF that the printer
#                               writes from now on, into a folder of DIR; exports
#                               VELL_PDF_PAGES_WIN: <name>.png at 20 dots per inch,
#                               its text (pdftotext: pages end with a form feed)
#                               in <name>.text, then <name>.txt ("<pages> <width>
#                               <height> <rotation>": the first page's size in points
#                               and its rotation in degrees)
#   vell_start_ftp DIR          pyftpdlib on a free port of 127.0.0.1; exports
#                               VELL_FTP_HOST, VELL_FTP_PORT, VELL_FTP_USER,
#                               VELL_FTP_PASSWORD, VELL_FTP_ROOT, VELL_FTP_ROOT_WIN
#   vell_start_smtp DIR         aiosmtpd on a free port of 127.0.0.1, which decodes
#                               every message into a spool folder (see
#                               smtp_spool_server.py); exports VELL_SMTP_PORT and
#                               VELL_SMTP_SPOOL (the spool, a Windows path)
#   vell_odbc_fresh_db DIR      a new SQLite database with the table MyTable; exports
#                               VELL_ODBC_DRIVER, VELL_ODBC_DB (a Unix path: the ODBC
#                               drivers are Linux code) and VELL_ODBC_CONNECT
#   vell_start_audio DIR        a private PulseAudio server on a Unix socket of DIR, with a
#                               null sink "nullsink" (always playing, silence when nothing
#                               else plays) and a null source "nullsource"; the sink's
#                               monitor is the default source, so what a program plays is
#                               what it records. Exports PULSE_SERVER, which every Wine
#                               process started afterwards connects to.

vell_services_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
vell_cupsd_pid=
vell_pages_pid=
vell_ftp_pid=
vell_smtp_pid=
vell_pulse_pid=
vell_pulse_silence_pid=
vell_services_dir=

# A Unix path as a Windows program under Wine sees it, through the Z: drive.
vell_win_path() {
    printf 'Z:%s' "${1//\//\\}"
}

# Waits up to $2 tenths of a second for the command "$3..." to succeed while the
# process $1 is alive.
vell_wait_for() {
    local pid=$1 tries=$2
    shift 2
    for _ in $(seq 1 "$tries"); do
        "$@" 2>/dev/null && return 0
        vell_pid_alive "$pid" || return 1
        sleep 0.1
    done
    return 1
}

# Whether the process runs (an ended child stays a zombie until it is waited for). Read
# from /proc, so that a minimal system without procps does as well.
vell_pid_alive() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    # The state follows the command's name, which is in parentheses and may hold blanks.
    stat=${stat##*) }
    [[ $stat != Z* ]]
}

# Stops a process this shell started: SIGTERM, up to 5 s to end, then SIGKILL.
vell_stop_pid() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 1 50); do
        vell_pid_alive "$pid" || break
        sleep 0.1
    done
    vell_pid_alive "$pid" && kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
}

# Makes the folder $1/$2 anew and prints its absolute path.
vell_fresh_dir() {
    local dir
    dir=$(mkdir -p "$1/$2" && cd "$1/$2" && pwd) || return 1
    rm -rf "$dir" && mkdir -p "$dir" && printf '%s\n' "$dir"
}

# Starts the Python server "$3..." (Debian's interpreter, where the server's package is
# installed: the PATH may lead to another one) in the background, its output in
# $1/server.log, and waits until it has written the port it listens on into $1/port.
# $2: the Debian package it needs. Sets vell_server_pid.
vell_start_python_server() {
    local dir=$1 package=$2
    shift 2
    /usr/bin/python3 "$@" >"$dir/server.log" 2>&1 &
    vell_server_pid=$!
    if ! vell_wait_for "$vell_server_pid" 100 test -s "$dir/port"; then
        echo "The test server $(basename "$1") did not start (is $package installed?):" >&2
        cat "$dir/server.log" >&2
        vell_stop_pid "$vell_server_pid"
        return 1
    fi
}

# --- Printing: CUPS with cups-pdf ------------------------------------------------

vell_start_printing() {
    local dir ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd sock
    dir=$(mkdir -p "$1/cups" && cd "$1/cups" && pwd) || return 1
    if [ ! -x /usr/sbin/cupsd ] || [ ! -e /usr/lib/cups/backend/cups-pdf ] || [ ! -f "$ppd" ]; then
        echo "Printing needs the Debian packages cups and printer-driver-cups-pdf." >&2
        return 1
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "The private cupsd runs as root (the cups-pdf backend needs it)." >&2
        return 1
    fi
    vell_stop_printing
    rm -rf "$dir"
    mkdir -p "$dir/etc/ppd" "$dir/etc/ssl" "$dir/spool/tmp" "$dir/cache" "$dir/run" \
        "$dir/log" "$dir/pdf-spool" "$dir/pdf"
    # The filters run as the unprivileged user lp and must reach the spool.
    chmod 0755 "$dir" "$dir/pdf"
    sock="$dir/run/cups.sock"

    cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/run
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
User lp
Group lp
SystemGroup root lpadmin
FileDevice No
EOF
    # Only the private socket: no TCP port, no browsing, no sharing. Anyone who can
    # reach the socket may administer this throw-away server.
    cat >"$dir/etc/cupsd.conf" <<EOF
LogLevel info
MaxLogSize 0
Listen $sock
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
DefaultEncryption Never
ErrorPolicy abort-job
PreserveJobFiles No
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    # cups-pdf reads its settings from /etc/cups/cups-pdf.conf, a path built into it.
    # cupsd runs in a mount namespace of its own where a private file is mounted over
    # that one, so every job of this server lands in the private folder whoever
    # prints it; nothing changes outside. Without the right to make such a namespace
    # cups-pdf keeps the system settings: PDFs land in the printing user's ~/PDF.
    cat >"$dir/etc/cups-pdf.conf" <<EOF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/pdf-spool
Log $dir/log
LogType 3
Grp lp
UserUMask 0022
DecodeHexStrings 1
EOF
    local pdf_dir="$dir/pdf" ns=()
    if unshare --mount --propagation private true 2>/dev/null; then
        ns=(unshare --mount --propagation private -- sh -c
            'mount --bind "$1" /etc/cups/cups-pdf.conf && shift && exec "$@"' sh
            "$dir/etc/cups-pdf.conf")
    else
        pdf_dir="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
        echo "No private mount namespace: cups-pdf writes to $pdf_dir." >&2
    fi

    # Clients (lpadmin, lpstat and Wine's printing through libcups) find the server
    # through CUPS_SERVER: a path is a domain socket.
    export CUPS_SERVER="$sock"
    "${ns[@]}" /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
        >"$dir/log/cupsd.out" 2>&1 &
    vell_cupsd_pid=$!
    if ! vell_wait_for "$vell_cupsd_pid" 100 test -S "$sock" ||
        ! vell_wait_for "$vell_cupsd_pid" 100 lpstat -r >/dev/null; then
        echo "The private cupsd did not start:" >&2
        cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null
        vell_stop_printing
        return 1
    fi
    # lpadmin warns on every call that PPD drivers are deprecated: kept in the log.
    if ! lpadmin -p PDF -E -v cups-pdf:/ -P "$ppd" 2>>"$dir/log/lpadmin.log" ||
        ! lpadmin -d PDF 2>>"$dir/log/lpadmin.log"; then
        echo "lpadmin could not add the PDF printer:" >&2
        cat "$dir/log/lpadmin.log" >&2
        vell_stop_printing
        return 1
    fi
    mkdir -p "$pdf_dir"
    export VELL_PDF_DIR="$pdf_dir"
    VELL_PDF_DIR_WIN=$(vell_win_path "$VELL_PDF_DIR")
    export VELL_PDF_DIR_WIN
}

vell_pdf_dir() {
    [ -n "${VELL_PDF_DIR:-}" ] || { echo "Printing was not started." >&2; return 1; }
    printf '%s\n' "$VELL_PDF_DIR"
}

vell_stop_printing() {
    vell_stop_pid "$vell_cupsd_pid"
    vell_cupsd_pid=
}

# Renders the PDF $1 into the folder $2 once ghostscript has finished it (its last
# bytes hold %%EOF).
vell_render_pdf_page() {
    local pdf=$1 pages=$2 name info count size rotation
    name=$(basename "$pdf" .pdf)
    tail -c 64 "$pdf" 2>/dev/null | grep -q '%%EOF' || return 1
    info=$(pdfinfo "$pdf" 2>/dev/null) || return 1
    count=$(sed -n 's/^Pages: *//p' <<<"$info")
    size=$(sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p' <<<"$info")
    rotation=$(sed -n 's/^Page rot: *//p' <<<"$info")
    pdftoppm -r 20 -png -f 1 -l 1 -singlefile "$pdf" "$pages/$name" 2>/dev/null || return 1
    pdftotext "$pdf" "$pages/$name.text" 2>/dev/null || return 1
    echo "$count $size ${rotation:-0}" >"$pages/$name.tmp" && mv "$pages/$name.tmp" "$pages/$name.txt"
}

vell_start_pdf_pages() {
    local pages pdf
    vell_pdf_dir >/dev/null || return 1
    pages=$(vell_fresh_dir "$1" pages) || return 1
    vell_stop_pdf_pages
    # The PDFs printed before now are not rendered.
    local -A seen=()
    for pdf in "$VELL_PDF_DIR"/*.pdf; do
        [ -e "$pdf" ] && seen[$(basename "$pdf")]=1
    done
    while true; do
        for pdf in "$VELL_PDF_DIR"/*.pdf; do
            [ -e "$pdf" ] && [ -z "${seen[$(basename "$pdf")]:-}" ] || continue
            vell_render_pdf_page "$pdf" "$pages" && seen[$(basename "$pdf")]=1
        done
        sleep 0.2
    done &
    vell_pages_pid=$!
    VELL_PDF_PAGES_WIN=$(vell_win_path "$pages")
    export VELL_PDF_PAGES_WIN
}

vell_stop_pdf_pages() {
    vell_stop_pid "$vell_pages_pid"
    vell_pages_pid=
}

# --- FTP: pyftpdlib ---------------------------------------------------------------

vell_start_ftp() {
    local dir
    vell_stop_ftp
    dir=$(vell_fresh_dir "$1" ftp) || return 1
    mkdir -p "$dir/root"
    export VELL_FTP_HOST=127.0.0.1 VELL_FTP_USER=vell VELL_FTP_PASSWORD=vellpass
    export VELL_FTP_ROOT="$dir/root"
    VELL_FTP_ROOT_WIN=$(vell_win_path "$VELL_FTP_ROOT")
    export VELL_FTP_ROOT_WIN
    vell_start_python_server "$dir" python3-pyftpdlib "$vell_services_scripts/ftp_server.py" \
        --root "$VELL_FTP_ROOT" --user "$VELL_FTP_USER" --password "$VELL_FTP_PASSWORD" \
        --port-file "$dir/port" || return 1
    vell_ftp_pid=$vell_server_pid
    VELL_FTP_PORT=$(cat "$dir/port")
    export VELL_FTP_PORT
}

vell_stop_ftp() {
    vell_stop_pid "$vell_ftp_pid"
    vell_ftp_pid=
}

# --- SMTP: aiosmtpd -----------------------------------------------------------------

vell_start_smtp() {
    local dir
    vell_stop_smtp
    dir=$(vell_fresh_dir "$1" smtp) || return 1
    vell_start_python_server "$dir" python3-aiosmtpd "$vell_services_scripts/smtp_spool_server.py" \
        "$dir/spool" "$dir/port" || return 1
    vell_smtp_pid=$vell_server_pid
    VELL_SMTP_PORT=$(cat "$dir/port")
    VELL_SMTP_SPOOL=$(vell_win_path "$dir/spool")
    export VELL_SMTP_PORT VELL_SMTP_SPOOL
}

vell_stop_smtp() {
    vell_stop_pid "$vell_smtp_pid"
    vell_smtp_pid=
}

# --- ODBC: unixODBC with the SQLite3 driver -------------------------------------

# The name under which libsqliteodbc registered its SQLite 3 driver with unixODBC.
vell_odbc_driver_name() {
    if ! odbcinst -q -d 2>/dev/null | grep -qx '\[SQLite3\]'; then
        echo "No ODBC driver SQLite3 in odbcinst.ini (install unixodbc, odbcinst and libsqliteodbc)." >&2
        return 1
    fi
    echo SQLite3
}

# $1: the state folder; $2: the file name inside its odbc folder (default vell.db).
vell_odbc_fresh_db() {
    local dir driver db
    dir=$(mkdir -p "$1/odbc" && cd "$1/odbc" && pwd) || return 1
    driver=$(vell_odbc_driver_name) || return 1
    db="$dir/${2:-vell.db}"
    rm -f "$db" "$db-journal"
    # Declared types chosen so that the driver reports the ODBC types the database
    # destination binds: LONGVARBINARY for the picture, VARCHAR, INTEGER, DOUBLE,
    # TIMESTAMP, TINYINT and BIT for the extra columns.
    sqlite3 "$db" <<'EOF' || { echo "sqlite3 could not create $db." >&2; return 1; }
CREATE TABLE MyTable (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    MyImageCol LONGVARBINARY,
    MyTextCol VARCHAR(255),
    MyIntCol INTEGER,
    MyDoubleCol DOUBLE,
    MyDateCol TIMESTAMP,
    MyByteCol TINYINT,
    MyBoolCol BIT
);
EOF
    export VELL_ODBC_DRIVER="$driver" VELL_ODBC_DB="$db"
    export VELL_ODBC_CONNECT="DRIVER={$driver};Database=$db"
}

# --- Audio: PulseAudio with null devices ---------------------------------------

vell_start_audio() {
    local dir sock
    vell_stop_audio
    dir=$(vell_fresh_dir "$1" pulse) || return 1
    if [ ! -x /usr/bin/pulseaudio ] || ! command -v pactl >/dev/null; then
        echo "Audio needs the Debian packages pulseaudio and pulseaudio-utils." >&2
        return 1
    fi
    sock="$dir/native"
    # -n: none of the system's default modules (no hardware, no D-Bus, no X11), only
    # the private socket, which needs no cookie, and the two null devices. The server
    # keeps its runtime and state files in the folder whoever runs it.
    PULSE_RUNTIME_PATH="$dir/run" PULSE_STATE_PATH="$dir/state" HOME="$dir" \
        /usr/bin/pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 \
        --log-target=stderr \
        -L "module-native-protocol-unix socket=$sock auth-anonymous=1" \
        -L "module-null-sink sink_name=nullsink" \
        -L "module-null-source source_name=nullsource" >"$dir/server.log" 2>&1 &
    vell_pulse_pid=$!
    export PULSE_SERVER="unix:$sock"
    if ! vell_wait_for "$vell_pulse_pid" 100 pactl info >/dev/null ||
        ! pactl set-default-source nullsink.monitor >>"$dir/server.log" 2>&1; then
        echo "The private PulseAudio server did not start:" >&2
        cat "$dir/server.log" >&2
        vell_stop_audio
        return 1
    fi
    # A null sink renders, and its monitor records, only while something plays: a
    # stream of silence keeps it playing, as a microphone always delivers sound.
    pacat --playback --raw --device=nullsink --stream-name=silence </dev/zero >>"$dir/server.log" 2>&1 &
    vell_pulse_silence_pid=$!
}

vell_stop_audio() {
    vell_stop_pid "$vell_pulse_silence_pid"
    vell_stop_pid "$vell_pulse_pid"
    vell_pulse_silence_pid=
    vell_pulse_pid=
    unset PULSE_SERVER
}

# --- All of them ----------------------------------------------------------------

vell_start_services() {
    vell_services_dir=$(mktemp -d /tmp/vell-services.XXXXXX) || return 1
    # mktemp makes it 0700; the print filters (user lp) must pass through it.
    chmod 0755 "$vell_services_dir"
    if [ "$(id -u)" -eq 0 ]; then
        vell_start_printing "$vell_services_dir" || return 1
    else
        export VELL_PRINTER_SKIPPED="the private CUPS server of the printing tests runs as root only"
        echo "Not running as root: $VELL_PRINTER_SKIPPED, so the test programs that print are skipped." >&2
    fi
    vell_start_ftp "$vell_services_dir"
}

vell_stop_services() {
    vell_stop_audio
    vell_stop_smtp
    vell_stop_ftp
    vell_stop_pdf_pages
    vell_stop_printing
    [ -n "$vell_services_dir" ] && rm -rf "$vell_services_dir"
    vell_services_dir=
}
