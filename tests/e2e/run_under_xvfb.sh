#!/usr/bin/env bash
# Runs one end-to-end test script against the built binary on a private X server.
# Usage: run_under_xvfb.sh TEST_SCRIPT QUILLON_BINARY
set -euo pipefail
test_script=$1
export QUILLON_BINARY=$2
export E2E_DIR
E2E_DIR="$(cd "$(dirname "$0")" && pwd)"
exec "$E2E_DIR/with_xvfb.sh" -screen 0 1280x1024x24 -- bash "$test_script"
