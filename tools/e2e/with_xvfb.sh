#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command with DISPLAY set to a private Xvfb, which is stopped after;
# passes the command's exit code on. For test programs that create windows.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
export E2E_ARTEFACTS=${E2E_ARTEFACTS:-$(mktemp -d)}
trap e2e_cleanup EXIT
e2e_start_xvfb
set +e
"$@"
rc=$?
set -e
exit $rc
