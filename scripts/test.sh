#!/usr/bin/env bash
# Sets everything up and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
