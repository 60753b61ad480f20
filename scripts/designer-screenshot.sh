#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# Opens tests/designerform.ui in the real Qt Designer with this build's
# plug-in, on a virtual X screen, and saves a screenshot of it: the "Rilo
# Widgets" group of the widget box (the Qt groups folded away) and the form
# rendering the library's widgets, with the lamp panel selected.
#
#   scripts/designer-screenshot.sh [build folder] [output png]
#
# Needs designer (qttools5-dev-tools), xvfb-run, xdotool and ImageMagick.
# Designer's settings go to a temporary home, never to the user's own.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/docs/screenshots/designer.png}
designer=${DESIGNER:-/usr/lib/qt5/bin/designer}

if [[ ! -f "$build/plugins/designer/librilowidgetdesigner.so" ]]; then
    echo "No plug-in in $build/plugins/designer: build the rilo_widget_designer target first" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/QtProject" "$work/runtime"
chmod 700 "$work/runtime"
cat > "$work/config/QtProject/Designer.conf" <<'CONF'
[WidgetBox]
Closed%20categories=Layouts, Spacers, Buttons, Item Views (Model-Based), Item Widgets (Item-Based), Containers, Input Widgets, Display Widgets
CONF

cat > "$work/shoot.sh" <<SHOOT
#!/usr/bin/env bash
"$designer" -geometry 1560x960+0+0 "$root/tests/designerform.ui" > "$work/designer.log" 2>&1 &
pid=\$!
sleep 8
# Select the lamp panel, so that the property editor names its class.
xdotool mousemove 500 334 click 1
sleep 1
import -window root -crop 1560x960+0+0 +repage "$out"
kill \$pid
wait \$pid || true
SHOOT
chmod +x "$work/shoot.sh"

HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
QT_PLUGIN_PATH="$build/plugins" LD_LIBRARY_PATH="$build/src${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu \
    xvfb-run -a -s "-screen 0 1600x1000x24" "$work/shoot.sh"

if [[ -s "$work/designer.log" ]]; then
    echo "Designer said:" >&2
    cat "$work/designer.log" >&2
fi
echo "Saved $out"
