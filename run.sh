#!/usr/bin/env bash
# Builds krvm640 (installing what is missing) and starts it with the options given,
# for example: ./run.sh --simulate
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
krvm640_install_missing
krvm640_build build >/dev/null
exec build/src/gui/krvm640 "$@"
