#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the differential notation test: colorjs.io answers for the generated
# texts, then the test program compares Tintora's answers with them.
#   run_oracle.sh TEST_PROGRAM OUTPUT_FILE [SCRIPT]
# SCRIPT tools_oracle.mjs makes the contrast and colour-vision cases
# instead (apca-w3, colorjs.io), and the .ase files of ase-utils.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if ! command -v node >/dev/null; then
  echo "node is missing; scripts/install-deps.sh --tests installs it" >&2
  exit 1
fi
if [ ! -f "${here}/node_modules/colorjs.io/package.json" ]; then
  echo "colorjs.io is missing in ${here}/node_modules; scripts/install-deps.sh --tests installs it" >&2
  exit 1
fi
if [ "${3:-}" = tools_oracle.mjs ]; then
  if [ ! -f "${here}/node_modules/apca-w3/package.json" ] || [ ! -f "${here}/node_modules/ase-utils/package.json" ]; then
    echo "apca-w3 or ase-utils is missing in ${here}/node_modules; scripts/install-deps.sh --tests installs it" >&2
    exit 1
  fi
  node "${here}/tools_oracle.mjs" 4000 "$2.ase" >"$2"
  TINTORA_TOOLS_CASES="$2" TINTORA_TOOLS_ASE="$2.ase" TINTORA_TOOLS_ASE_OUT="$2.out.ase" "$1"
  exec node "${here}/tools_oracle.mjs" decode "$2.out.ase"
fi
node "${here}/oracle.mjs" 12000 >"$2"
TINTORA_ORACLE_CASES="$2" "$1"
