#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# Draws the two small animated GIFs that the tests and the gallery use:
#
#   tests/data/calibrator.gif   a pulsing reference dot inside a ring (8 frames)
#   tests/data/instrument.gif   a meter needle sweeping across a dial (8 frames)
#
# Both are 144 x 144 pixels on white, 100 ms a frame, looping forever; the
# calibrator's dot (#ff7400) always covers the middle of its picture. The output
# is committed, so this only needs running again when the pictures should change.
# Needs ImageMagick's convert (scripts/install-deps.sh --extra installs it).
set -euo pipefail
cd "$(dirname "$0")/.."

out=tests/data
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

size=144
frames=8
c=$((size / 2))

# Calibrator: a blue ring with an orange dot whose radius pulses.
for i in $(seq 0 $((frames - 1))); do
    r=$(awk -v i="$i" -v n="$frames" 'BEGIN { printf "%d", 21 + 21 * (1 - cos(2 * 3.14159265 * i / n)) / 2 }')
    convert -size ${size}x${size} xc:white \
        -fill none -stroke '#1f6feb' -strokewidth 6 -draw "circle $c,$c $c,12" \
        -stroke none -fill '#ff7400' -draw "circle $c,$c $((c + r)),$c" \
        "$tmp/cal-$i.png"
done

# Instrument: a dial with a needle that sweeps from left to right and back.
for i in $(seq 0 $((frames - 1))); do
    read -r x y < <(awk -v i="$i" -v n="$frames" 'BEGIN {
        t = (i < n / 2) ? i / (n / 2) : (n - i) / (n / 2);
        a = 3.14159265 * (1 - t);
        printf "%d %d\n", 72 + 54 * cos(a), 96 - 54 * sin(a) }')
    convert -size ${size}x${size} xc:white \
        -fill '#ececf1' -stroke '#353538' -strokewidth 4 -draw "roundrectangle 9,21 135,123 12,12" \
        -fill none -stroke '#353538' -strokewidth 3 -draw "arc 15,39 129,153 180,360" \
        -stroke '#d40000' -strokewidth 4 -draw "line 72,96 $x,$y" \
        -stroke none -fill '#353538' -draw "circle 72,96 79,96" \
        "$tmp/ins-$i.png"
done

convert -delay 10 -loop 0 -dispose none "$tmp"/cal-{0..7}.png "$out/calibrator.gif"
convert -delay 10 -loop 0 -dispose none "$tmp"/ins-{0..7}.png "$out/instrument.gif"
ls -l "$out"/calibrator.gif "$out"/instrument.gif
