#!/usr/bin/env bash
# Installs what the program needs on Debian 12 and builds it.
# Usage: scripts/setup.sh BUILD_DIR [cmake options...]
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-psql libgl-dev
    libxlsxwriter-dev libpq-dev
    postgresql-15
    fonts-liberation2 fonts-dejavu-core
    poppler-utils unzip
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        echo "Устанавливаю пакеты: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "Не хватает пакетов. Установите их от имени root:" >&2
        echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
fi

build_dir=$1
shift
cmake -S "$(dirname "$0")/.." -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
