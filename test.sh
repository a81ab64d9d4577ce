#!/usr/bin/env bash
# Builds everything (installing what is missing) and runs every test: the full build, then the
# core library and its tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
krvm640_install_missing
krvm640_build build
krvm640_build build-sanitize -DKRVM640_SANITIZE=ON -DKRVM640_CORE_ONLY=ON
status=0
ctest --test-dir build --output-on-failure -j2 || status=1
ctest --test-dir build-sanitize --output-on-failure -j2 || status=1
exit $status
