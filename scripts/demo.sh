#!/usr/bin/env bash
# Installs what is needed, builds, writes a fresh demo disk to
# build/demo-root and runs the plugin on it in the terminal.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
python3 scripts/make-demo-root.py build/demo-root
exec build/tessaroll-host --root build/demo-root "$@"
