#!/usr/bin/env bash
# Installs the packages, builds the whole tree and runs every test under CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
