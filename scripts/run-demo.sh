#!/usr/bin/env bash
# Builds the two programs (no tests, no benchmarks), makes a demo program
# directory "demo" when there is none, and starts the desktop program on it.
#   scripts/run-demo.sh [extra arguments of the program...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --programs build
if [ ! -e demo/datax.dat ]; then
    build/heliokres-cli demo demo
fi
exec build/heliokres demo "$@"
