#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# Refreshes the translation sources from the code and forms: the library's
# catalogs (translations/*.ts) and, as a separate set, the gallery's
# (examples/gallery/translations/*.ts, which also hold the texts of the example
# equipment plug-in that the gallery shows). Run it after changing a
# user-visible text, then translate the new entries (Qt Linguist) and commit
# the .ts files. The build compiles them.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
ts=(translations/rilo_widget_de.ts translations/rilo_widget_zh_CN.ts)
"$lupdate" -no-obsolete -locations none -extensions cpp,h,ui src include -ts "${ts[@]}"
gallery_ts=(examples/gallery/translations/gallery_de.ts examples/gallery/translations/gallery_zh_CN.ts)
"$lupdate" -no-obsolete -locations none -extensions cpp,h,ui examples/gallery examples/equipment-plugin \
    -ts "${gallery_ts[@]}"
