#!/usr/bin/env bash
# Refreshes the translation sources (translations/*.ts) from the library's code
# and forms. Run it after changing a user-visible text, then translate the new
# entries (Qt Linguist) and commit the .ts files. The build compiles them.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
ts=(translations/rilo_widget_de.ts translations/rilo_widget_zh_CN.ts)
"$lupdate" -no-obsolete -locations none -extensions cpp,h,ui src include -ts "${ts[@]}"
