#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test. Any sanitizer report fails its test and so the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build-test -DCMAKE_BUILD_TYPE=Debug -DHELIOKRES_SANITIZE=ON
cd build-test
ctest --output-on-failure -j "$(nproc)" --timeout 900
