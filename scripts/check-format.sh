#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# Checks that every C++ source and header under version control is formatted
# as .clang-format at the top of the tree says. Changes nothing; lists each
# place clang-format would change and fails if there is any.
#
#   scripts/check-format.sh                  every tracked *.cpp and *.h
#   CLANG_FORMAT=clang-format-14 scripts/check-format.sh
#
# To format a file in place: clang-format -i <file>
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format=${CLANG_FORMAT:-clang-format}
command -v "$clang_format" >/dev/null || { echo "$clang_format not found (scripts/install-deps.sh --extra)" >&2; exit 1; }

if ! git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r "$clang_format" --style=file --dry-run --Werror; then
    echo "check-format: the places above differ from .clang-format; clang-format -i <file> fixes a file" >&2
    exit 1
fi
echo "check-format: every tracked .cpp and .h file is formatted"
