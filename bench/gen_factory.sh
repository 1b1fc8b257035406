#!/usr/bin/env bash
# Builds the factory-sized benchmark database: bench/gen_factory.sh DIR DBNAME
# (re)creates DBNAME with the schema in the private cluster of DIR (started if
# needed, see db/cluster.sh) and fills it with bench/gen_factory.sql.
# Prints the load time and the database size.
set -euo pipefail
[[ $# -eq 2 ]] || { echo "usage: bench/gen_factory.sh DIR DBNAME" >&2; exit 2; }
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cluster="$here/../db/cluster.sh"
dir="$1" db="$2"

start=$(date +%s)
"$cluster" load "$dir" "$db"
sock="$("$cluster" sockdir "$dir")"
PGPASSWORD=pelvuxa PGOPTIONS="-c client_min_messages=warning" \
    psql -X -q -v ON_ERROR_STOP=1 -h "$sock" -p 5432 -U sys -d "$db" -f "$here/gen_factory.sql"
end=$(date +%s)

echo "loaded $db in $((end - start)) s"
"$cluster" psql "$dir" -d "$db" -X -A -t -F ' ' -c "
select 'database size:', pg_size_pretty(pg_database_size(current_database()));
select relname, n_live_tup, pg_size_pretty(pg_total_relation_size(relid))
  from pg_stat_user_tables
 where n_live_tup > 0
 order by pg_total_relation_size(relid) desc;"
