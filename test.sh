#!/usr/bin/env bash
# Installs what is missing, builds Varmiko and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
. ./scripts/sound-server.sh
start_sound_server
trap stop_sound_server EXIT
ctest --test-dir build --output-on-failure -j "$(nproc)"
