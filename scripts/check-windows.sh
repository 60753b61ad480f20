#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# Compiles the library for 32-bit Windows as far as this machine can without a
# Qt for Windows: with the MinGW cross compiler, against the Qt 5 headers of
# the Linux build machine.
#
#   1. The Qt-free Windows platform source, compiled fully (-c).
#   2. Every library source as the library sees it (export side:
#      RILO_WIDGET_EXPORT is __declspec(dllexport)), syntax only.
#   3. One file that includes every public header as a user of the DLL sees
#      it (import side: __declspec(dllimport)), syntax only.
#
# Syntax only: moc output, linking and Windows' Qt configuration are not
# checked (the Linux qconfig.h is used). See the README.
#
#   scripts/check-windows.sh <configured build folder>
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: scripts/check-windows.sh <configured build folder>}
cxx=${WIN32_CXX:-i686-w64-mingw32-g++}
qt_include=$(qmake -qt=qt5 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt5)
uic=$(qmake -qt=qt5 -query QT_INSTALL_BINS 2>/dev/null || echo /usr/lib/qt5/bin)/uic
jobs=${JOBS:-2}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The generated export and version headers come from the build folder; the
# forms' headers are generated here with Qt 5's uic.
for header in widget/rilo_widget_export.h widget/rilo_widget_version.h; do
    [[ -f "$build/include/$header" ]] || { echo "$build/include/$header is missing: configure $build first" >&2; exit 1; }
done
while IFS= read -r form; do
    "$uic" "$form" -o "$scratch/ui_$(basename "$form" .ui).h"
done < <(find src -name '*.ui')

flags=(-std=c++17 -Wall -Wextra -Werror
       -Iinclude -I"$build/include" -Imeasure/include -I"$build/measure/include" -Isrc -I"$scratch"
       -isystem "$qt_include" -isystem "$qt_include/QtCore" -isystem "$qt_include/QtGui" -isystem "$qt_include/QtWidgets")

echo "windowflash_win.cpp (compiled)"
"$cxx" -std=c++17 -Wall -Wextra -Werror -c src/util/windowflash_win.cpp -o "$scratch/windowflash_win.o"

# Every source of the library but those of other platforms (*_qt.cpp: the
# non-Windows side of the platform layer).
mapfile -t sources < <(find src -name '*.cpp' ! -name '*_qt.cpp' | sort)
echo "${#sources[@]} library sources (export side, syntax only)"
printf '%s\n' "${sources[@]}" | xargs -P "$jobs" -I{} sh -c \
    'src=$0; "$@" -I"$(dirname "$src")" -Drilo_widget_EXPORTS -fsyntax-only "$src" || { echo "failed: $src" >&2; exit 1; }' \
    {} "$cxx" "${flags[@]}"

# The import side: a user's file that includes every public header.
consumer="$scratch/consumer.cpp"
for header in include/widget/*.h; do
    echo "#include <widget/$(basename "$header")>"
done > "$consumer"
echo "int main() { return 0; }" >> "$consumer"
echo "$(ls include/widget/*.h | wc -l) public headers (import side, syntax only)"
"$cxx" "${flags[@]}" -fsyntax-only "$consumer"
echo "check-windows: passed"
