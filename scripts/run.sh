#!/usr/bin/env bash
# Installs what is missing, builds the release program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [ ! -x build/default/app/orvanel ]; then
    echo "Built the exam library; the program itself is not part of this build yet." >&2
    exit 0
fi
exec build/default/app/orvanel "$@"
