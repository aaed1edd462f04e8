#!/usr/bin/env bash
# Installs what is missing, builds, and starts Sorvel Numerology.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh
exec ./build/bin/sorvel "$@"
