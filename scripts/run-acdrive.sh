#!/usr/bin/env bash
# Installs the packages, builds the programs and starts acdrive (the induction-motor drive
# calculator). Extra arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/acdrive/ui/acdrive "$@"
