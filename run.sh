#!/usr/bin/env bash
# Builds «Табель» and starts it on the demo database: a private PostgreSQL
# cluster in demo-db/ of this checkout. `./run.sh --reset` reloads the demo data.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"

reset=0
[ "${1:-}" = "--reset" ] && reset=1

scripts/setup.sh build
db/cluster.sh start demo-db
if [ "$reset" = 1 ] || ! db/cluster.sh psql demo-db -tAc "select 1 from pg_database where datname='kesh_erp'" | grep -q 1; then
    echo "Загружаю демонстрационные данные…"
    db/cluster.sh load demo-db kesh_erp --demo
fi
exec build/app/tabel kesh_erp "$(db/cluster.sh sockdir demo-db)"
