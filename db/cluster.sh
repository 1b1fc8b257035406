#!/usr/bin/env bash
# Private PostgreSQL cluster for the program's demo, tests and benchmarks.
#
#   db/cluster.sh start    DIR                   create (first time) and start the cluster in DIR
#   db/cluster.sh stop     DIR                   stop it (fast); nothing happens if it is not running
#   db/cluster.sh sockdir  DIR                   print the Unix socket directory of the cluster
#   db/cluster.sh load     DIR DBNAME [--demo]   (re)create DBNAME owned by sys with schema.sql
#                                                (and demo.sql with --demo)
#   db/cluster.sh template DIR                   (re)create the template database tabel_template
#   db/cluster.sh psql     DIR [psql args...]    psql as postgres on the cluster
#
# DIR holds data/ (the cluster) and log (the server log). The server listens on
# no TCP port, only on a Unix socket in a short directory under /tmp derived
# from DIR's absolute path, with port number 5432, so the program connects with
# the database name and that directory as its two command-line arguments.
# Superuser postgres (trusted on the socket); role sys / pelvuxa (scram-sha-256)
# owns the program's databases.
#
# initdb and pg_ctl refuse to run as root: as root they run as the postgres
# user, which then owns DIR. Environment: PGBIN overrides the server binaries.
set -euo pipefail

SCRIPT_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
PGBIN="${PGBIN:-}"
if [[ -z "$PGBIN" ]]; then
    if [[ -x /usr/lib/postgresql/15/bin/pg_ctl ]]; then
        PGBIN=/usr/lib/postgresql/15/bin
    else
        PGBIN="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)"
    fi
fi
[[ -n "$PGBIN" && -x "$PGBIN/pg_ctl" ]] || { echo "cluster.sh: PostgreSQL server binaries not found (set PGBIN)" >&2; exit 1; }

PORT=5432
APP_ROLE=sys
APP_PASSWORD=pelvuxa
TEMPLATE_DB=tabel_template

die() { echo "cluster.sh: $*" >&2; exit 1; }

usage() {
    sed -n '2,10p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//' >&2
    exit 2
}

# Runs a server program (initdb, pg_ctl) as the cluster's owner.
as_owner() {
    if [[ $EUID -eq 0 ]]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

abs_dir() { realpath -m -- "$1"; }

sock_dir_of() {
    local hash
    hash="$(printf '%s' "$1" | md5sum | cut -c1-10)"
    printf '/tmp/tabel-%s' "$hash"
}

# True when the user postgres can enter every parent folder of $1.
reachable_by_postgres() {
    local p="$1"
    while [[ "$p" != "/" ]]; do
        p="$(dirname "$p")"
        runuser -u postgres -- test -x "$p" || return 1
    done
}

# Sets ABS, HOME_DIR, DATA, LOG and SOCK for cluster folder $1. As root, when
# the user postgres cannot reach DIR (a checkout in a private folder, as a CI
# clone may be), the cluster lives in /var/tmp under a name derived from DIR
# instead, and DIR/cluster-location says where.
setup_paths() {
    [[ -n "${1:-}" ]] || usage
    ABS="$(abs_dir "$1")"
    HOME_DIR="$ABS"
    if [[ $EUID -eq 0 ]] && getent passwd postgres >/dev/null && ! reachable_by_postgres "$ABS"; then
        HOME_DIR="/var/tmp/tabel-cluster-$(printf '%s' "$ABS" | md5sum | cut -c1-10)"
    fi
    DATA="$HOME_DIR/data"
    LOG="$HOME_DIR/log"
    SOCK="$(sock_dir_of "$ABS")"
}

is_running() {
    [[ -f "$DATA/PG_VERSION" ]] || return 1
    as_owner "$PGBIN/pg_ctl" status -D "$DATA" >/dev/null 2>&1
}

# psql as the superuser on the socket. Quiet, stops on the first error.
su_psql() {
    PGOPTIONS="-c client_min_messages=warning" \
        psql -X -q -v ON_ERROR_STOP=1 -h "$SOCK" -p "$PORT" -U postgres "$@"
}

# psql as the program's role.
app_psql() {
    PGPASSWORD="$APP_PASSWORD" PGOPTIONS="-c client_min_messages=warning" \
        psql -X -q -v ON_ERROR_STOP=1 -h "$SOCK" -p "$PORT" -U "$APP_ROLE" "$@"
}

make_sock_dir() {
    mkdir -p "$SOCK"
    if [[ $EUID -eq 0 ]]; then
        chown postgres:postgres "$SOCK"
    fi
    chmod 0700 "$SOCK"
}

prepare_dir() {
    mkdir -p "$ABS" "$HOME_DIR"
    if [[ $EUID -eq 0 ]]; then
        getent passwd postgres >/dev/null || die "running as root needs the user postgres (package postgresql)"
        if [[ "$HOME_DIR" != "$ABS" ]]; then
            printf '%s\n' "$HOME_DIR" >"$ABS/cluster-location"
        fi
        if [[ ! -d "$DATA" ]]; then
            chown postgres:postgres "$HOME_DIR"
        fi
    fi
    as_owner test -w "$HOME_DIR" || die "$HOME_DIR is not writable by the cluster's owner"
}

init_cluster() {
    # Names are sorted the Russian way (Ё after Е), as the factory's own
    # server does; everything else keeps the neutral C.UTF-8 locale.
    as_owner "$PGBIN/initdb" -D "$DATA" -U postgres -E UTF8 --locale=C.UTF-8 \
        --locale-provider=icu --icu-locale=ru-RU \
        --auth-local=trust --auth-host=reject --no-instructions >/dev/null \
        || die "initdb failed in $DATA"
    # Only the socket: the superuser without a password, everybody else
    # (the program's role sys) with a real password check.
    as_owner tee "$DATA/pg_hba.conf" >/dev/null <<'EOF'
# TYPE  DATABASE  USER      METHOD
local   all       postgres  trust
local   all       all       scram-sha-256
EOF
    as_owner tee -a "$DATA/postgresql.conf" >/dev/null <<EOF

# --- Табель: private cluster ---
listen_addresses = ''
port = $PORT
unix_socket_directories = '$SOCK'
unix_socket_permissions = 0777
password_encryption = 'scram-sha-256'
# The program sends dates as DD.MM.YYYY text; read them day first.
datestyle = 'iso, dmy'
lc_messages = 'C'
max_connections = 100
shared_buffers = 128MB
work_mem = 16MB
maintenance_work_mem = 256MB
max_wal_size = 2GB
synchronous_commit = off
logging_collector = off
EOF
}

start_server() {
    make_sock_dir
    if ! as_owner "$PGBIN/pg_ctl" start -w -t 60 -D "$DATA" -l "$LOG" \
            -o "-k $SOCK -p $PORT" >/dev/null 9>&-; then
        echo "cluster.sh: the server in $DATA did not start; end of $LOG:" >&2
        tail -n 20 "$LOG" >&2 || true
        exit 1
    fi
}

ensure_role() {
    # Idempotent: creates sys when it is missing and pins its session defaults.
    su_psql -d postgres -v role="$APP_ROLE" -v pw="$APP_PASSWORD" <<'EOF'
SELECT NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = :'role') AS need_role \gset
\if :need_role
CREATE ROLE :"role" LOGIN CREATEDB PASSWORD :'pw';
ALTER ROLE :"role" SET datestyle = 'iso, dmy';
\endif
EOF
}

cmd_start() {
    setup_paths "${1:-}"
    # One start at a time per cluster (the lock is not passed to the server).
    exec 9>>"$SOCK.lock"
    flock 9
    prepare_dir
    if [[ ! -f "$DATA/PG_VERSION" ]]; then
        init_cluster
    fi
    if ! is_running; then
        start_server
    fi
    ensure_role
}

cmd_stop() {
    setup_paths "${1:-}"
    if is_running; then
        as_owner "$PGBIN/pg_ctl" stop -w -m fast -D "$DATA" >/dev/null
    fi
}

require_running() {
    is_running || die "no running cluster in $ABS (run: db/cluster.sh start $1)"
}

# (Re)creates database $1 owned by sys and loads the given SQL files as sys.
recreate_db() {
    local db="$1"; shift
    su_psql -d postgres -v db="$db" <<'EOF'
SELECT EXISTS (SELECT 1 FROM pg_database WHERE datname = :'db' AND datistemplate) AS is_tpl \gset
\if :is_tpl
ALTER DATABASE :"db" IS_TEMPLATE false;
\endif
DROP DATABASE IF EXISTS :"db" WITH (FORCE);
CREATE DATABASE :"db" OWNER sys TEMPLATE template0 ENCODING 'UTF8';
EOF
    local f
    for f in "$@"; do
        if [[ ! -r "$f" ]] || ! app_psql -d "$db" -f "$f"; then
            # Leave no half-loaded database behind.
            su_psql -d postgres -v db="$db" <<<'DROP DATABASE IF EXISTS :"db" WITH (FORCE);' || true
            die "loading $(basename "$f") into $db failed"
        fi
    done
}

cmd_load() {
    [[ $# -ge 2 ]] || usage
    local dir="$1" db="$2" demo=0
    shift 2
    while [[ $# -gt 0 ]]; do
        case "$1" in
            --demo) demo=1 ;;
            *) usage ;;
        esac
        shift
    done
    [[ -n "$db" ]] || usage
    cmd_start "$dir"
    local files=("$SCRIPT_DIR/schema.sql")
    [[ $demo -eq 1 ]] && files+=("$SCRIPT_DIR/demo.sql")
    recreate_db "$db" "${files[@]}"
}

cmd_template() {
    [[ $# -eq 1 ]] || usage
    cmd_start "$1"
    recreate_db "$TEMPLATE_DB" "$SCRIPT_DIR/schema.sql"
    su_psql -d postgres -c "ALTER DATABASE $TEMPLATE_DB IS_TEMPLATE true"
}

cmd_sockdir() {
    setup_paths "${1:-}"
    printf '%s\n' "$SOCK"
}

cmd_psql() {
    setup_paths "${1:-}"
    require_running "$1"
    shift
    exec psql -X -h "$SOCK" -p "$PORT" -U postgres -d postgres "$@"
}

[[ $# -ge 1 ]] || usage
sub="$1"; shift
case "$sub" in
    start)    [[ $# -eq 1 ]] || usage; cmd_start "$@" ;;
    stop)     [[ $# -eq 1 ]] || usage; cmd_stop "$@" ;;
    sockdir)  [[ $# -eq 1 ]] || usage; cmd_sockdir "$@" ;;
    load)     cmd_load "$@" ;;
    template) cmd_template "$@" ;;
    psql)     [[ $# -ge 1 ]] || usage; cmd_psql "$@" ;;
    *)        usage ;;
esac
