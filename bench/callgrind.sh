#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# Counts instructions of the benchmark scenarios with QtTest's callgrind backend
# and checks that a full-panel state change grows linearly with the rows: the
# count at M = 512 may be at most 8.5 times the count at M = 64.
#
#   bench/callgrind.sh <build folder> [output file]
set -euo pipefail
build=${1:?build folder}
out=${2:-}
shift $(( $# < 2 ? $# : 2 ))
bin="$(cd "$build/bench" && pwd)/rilo-bench-callgrind"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

log=$(mktemp)
trap 'rm -f "$log"' EXIT
(cd "$(dirname "$bin")" && "$bin" -callgrind -iterations 4 "$@" 2>&1) >"$log" || { cat "$log"; exit 1; }

# RESULT : BenchCallgrind::stateChange():"ours:64":
#      1,234,567 instruction reads per iteration (total: ...)
table=$(awk '
    /^RESULT :/ { split($0, a, "::"); split(a[2], b, "\""); name = b[1]; tag = b[2]; sub(/\(\):/, "", name); next }
    /instruction reads per iteration/ { n = $1; gsub(",", "", n); split(tag, t, ":"); print name, t[1], t[2], n }
' "$log")

{
    printf "%-22s %-9s %5s %15s\n" scenario side M instructions
    echo "$table" | while read -r name side m n; do printf "%-22s %-9s %5s %15s\n" "$name" "$side" "$m" "$n"; done
} | tee ${out:+"$out"}

small=$(echo "$table" | awk '$1 == "stateChange" && $2 == "ours" && $3 == 64 { print $4 }')
large=$(echo "$table" | awk '$1 == "stateChange" && $2 == "ours" && $3 == 512 { print $4 }')
if [[ -n "$small" && -n "$large" ]]; then
    growth=$(awk -v a="$small" -v b="$large" 'BEGIN { printf "%.2f", b / a }')
    verdict=$(awk -v g="$growth" 'BEGIN { print (g <= 8.5 ? "met" : "NOT met") }')
    echo "state change, instructions M=512 / M=64: ${growth}x (goal <= 8.5x: ${verdict})" | tee -a ${out:+"$out"}
    [[ "$verdict" == "met" ]]
fi
