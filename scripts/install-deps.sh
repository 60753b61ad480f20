#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# Installs the Debian packages the project needs, if any are missing.
#
#   scripts/install-deps.sh           what `make gallery` and `make test` need,
#                                     with QT=6 too: Qt 5 and Qt 6 (the consumer
#                                     checks install both builds side by side),
#                                     and for the Python bindings Debian's python3,
#                                     SIP, PyQt5, PyQt6 and pytest
#   scripts/install-deps.sh --extra   also sanitizers, valgrind, the fuzzer, the
#                                     Windows cross compiler, Doxygen, ImageMagick,
#                                     xdotool (scripts/designer-screenshot.sh),
#                                     reuse (the licence check), clang-format
#                                     (make check-format)
#
# As root it runs apt-get itself; otherwise it prints the exact sudo line and stops.
set -euo pipefail

base=(cmake ninja-build g++ make pkg-config
      qtbase5-dev qtbase5-dev-tools qtbase5-private-dev libqt5test5 qttools5-dev qttools5-dev-tools
      fonts-dejavu-core fonts-wqy-microhei qttranslations5-l10n
      qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n designer-qt6
      python3 python3-dev sip-tools python3-pyqtbuild python3-pytest
      pyqt5-dev python3-pyqt5 pyqt6-dev python3-pyqt6)
extra=(clang libclang-rt-14-dev valgrind xvfb xauth g++-mingw-w64-i686 doxygen imagemagick xdotool reuse clang-format)

wanted=("${base[@]}")
[[ "${1:-}" == "--extra" ]] && wanted+=("${extra[@]}")

missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
    echo "These Debian packages are missing. Install them with:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
