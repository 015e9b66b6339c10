#!/usr/bin/env bash
# Refreshes the translation catalogues from the code and the forms. The
# toolkit's texts (aptui/, platform/ and their forms) go to the toolkit
# catalogue, everything else to the application's catalogues.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)}

"$lupdate" -silent -locations none -no-obsolete -I . \
    app data device calc mainwindow forms/*.ui \
    -ts translations/larkspan_en.ts translations/larkspan_zh.ts
"$lupdate" -silent -locations none -no-obsolete -I . \
    aptui platform forms/aptui \
    -ts translations/OrvaneGUIToolkit_zh.ts
