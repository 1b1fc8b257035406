#!/usr/bin/env bash
# Builds «Табель» and runs every test against a private PostgreSQL cluster.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"

scripts/setup.sh build
ctest --test-dir build --output-on-failure -j 2 "$@"
