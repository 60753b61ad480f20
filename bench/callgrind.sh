#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# Counts instructions of the benchmark scenarios with QtTest's callgrind backend
# (stable on a busy machine, unlike wall-clock time), prints them with the
# ratio ours / baseline, and checks the goals:
#   - a full-panel state change grows linearly with the rows: the count at
#     M = 512 at most 8.5 times the count at M = 64;
#   - building and destroying a panel costs at most 3 times the instructions
#     of plain labels at M = 64 and at M = 512, and grows linearly from 64 to
#     512 rows (at most 8.5 times);
#   - the heap per row is at most 2.5 times that of plain labels (measured by
#     rilo-bench with malloc statistics; callgrind does not count bytes); the
#     floor, the same widgets and layouts built in plain Qt, is printed beside
#     it.
# Each goal prints PASS or FAIL with its figures; the script fails if any goal
# fails.
#
#   bench/callgrind.sh <build folder> [output file] [rilo-bench-callgrind arguments]
set -euo pipefail
build=${1:?build folder}
out=${2:-}
shift $(( $# < 2 ? $# : 2 ))
bin="$(cd "$build/bench" && pwd)/rilo-bench-callgrind"
wallbin="$(cd "$build/bench" && pwd)/rilo-bench"
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

count() { echo "$table" | awk -v s="$1" -v side="$2" -v m="$3" '$1 == s && $2 == side && $3 == m { print $4 }'; }

failed=0
# verdict <text> <figure> <limit>: PASS when figure <= limit.
verdict() {
    local result
    result=$(awk -v f="$2" -v l="$3" 'BEGIN { print (f <= l ? "PASS" : "FAIL") }')
    [[ "$result" == PASS ]] || failed=1
    printf "%s %s: %s (goal <= %s)\n" "$result" "$1" "$2" "$3"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

{
    echo "Instructions per step (callgrind), ours against the baseline in the same run:"
    printf "%-22s %5s %15s %15s %7s\n" scenario M ours baseline ratio
    echo "$table" | awk '$2 == "ours" { print $1, $3 }' | while read -r name m; do
        ours=$(count "$name" ours "$m")
        base=$(count "$name" baseline "$m")
        printf "%-22s %5s %15.0f %15.0f %7s\n" "$name" "$m" "$ours" "$base" "$(ratio "$ours" "$base")"
    done
    echo

    small=$(count stateChange ours 64)
    large=$(count stateChange ours 512)
    if [[ -n "$small" && -n "$large" ]]; then
        verdict "state change, instructions M=512 / M=64" "$(ratio "$large" "$small")" 8.5
    fi
    for m in 64 512; do
        ours=$(count construct ours "$m")
        base=$(count construct baseline "$m")
        [[ -n "$ours" && -n "$base" ]] && verdict "construct + destroy at M=$m, ours / plain labels" "$(ratio "$ours" "$base")" 3
    done
    small=$(count construct ours 64)
    large=$(count construct ours 512)
    if [[ -n "$small" && -n "$large" ]]; then
        plain=$(ratio "$(count construct baseline 512)" "$(count construct baseline 64)")
        verdict "construct + destroy, M=512 / M=64 (plain labels: ${plain}x)" "$(ratio "$large" "$small")" 8.5
    fi

    # Bytes: medians of 5 builds of each side, at both sizes. The structure
    # floor (the same widgets and layouts in plain Qt) is printed beside the
    # verdict: the heap goal cannot be met below it.
    wall=$("$wallbin" --only construct --sizes 64,512 --runs 5 2>/dev/null)
    heap=$(echo "$wall" | awk '$1 == "heap" && $2 == "per" { print $4, $5, $6 }')
    while read -r m ours base; do
        [[ -n "$m" ]] || continue
        verdict "heap per row at M=$m, ours / plain labels (${ours} / ${base} bytes)" "$(ratio "$ours" "$base")" 2.5
        floor=$(echo "$wall" | awk -v m="$m" '$1 == "structure" && $2 == "floor" && $5 == m { print $6 }')
        [[ -n "$floor" ]] && printf "INFO heap per row at M=%s, structure floor in plain Qt: %s bytes, %s x plain labels; ours %s x the floor\n" \
            "$m" "$floor" "$(ratio "$floor" "$base")" "$(ratio "$ours" "$floor")"
    done <<<"$heap"
    exit $failed
} | tee ${out:+"$out"}
exit "${PIPESTATUS[0]}"
