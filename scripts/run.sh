#!/usr/bin/env bash
# Installs what is missing, builds, and shows the chart of an example person.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh
./build/bin/sorvel-cli chart --full "John Quincy Smith" --birth 1990-05-17
