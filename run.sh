#!/usr/bin/env bash
# Installs what is missing, builds Varmiko and starts it on the bundled course.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
exec ./build/varmiko "$@"
