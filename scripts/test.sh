#!/usr/bin/env bash
# Installs the packages, builds the whole tree and runs every test under CTest; then the same
# tests built with AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of every
# fuzz target (FUZZ_SECONDS each, default 10; scripts/fuzz.sh runs longer ones).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

bash scripts/fuzz.sh "${FUZZ_SECONDS:-10}"
