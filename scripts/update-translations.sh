#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Refreshes every translations/tintora_<lang>.ts from the texts marked for
# translation under src/ (tr(), QCoreApplication::translate, the QT_TR_NOOP
# family and core's TINTORA_TR_NOOP). Texts that left the sources are
# dropped; new ones arrive unfinished for the translator. To start a new
# language: scripts/update-translations.sh fr   (creates tintora_fr.ts).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
cd "$root"
ts=(translations/tintora_*.ts)
for lang in "$@"; do
  ts+=("translations/tintora_$lang.ts")
done
[ -e "${ts[0]}" ] || ts=("${ts[@]:1}")
if [ ${#ts[@]} -eq 0 ]; then
  echo "usage: $0 [LANG ...]  (no translations/tintora_*.ts yet)" >&2
  exit 2
fi
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h \
  -tr-function-alias QT_TRANSLATE_NOOP+=TINTORA_TR_NOOP src -ts "${ts[@]}"
