# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""Checks that the PyQt the bindings are built for runs on the library's Qt.

Run by CMake at configure time with the interpreter that will build and load
the bindings:

    python3 check_pyqt.py PyQt5 5.15.8 /usr/lib/x86_64-linux-gnu/libQt5Core.so.5.15.8

A PyQt from the Python package index carries its own copy of Qt; loading the
bindings into it puts two Qt's into one process, which crashes. So the check
compares both the Qt version that PyQt was built for and runs on with the
library's, and the Qt Core library file that PyQt has loaded with the one the
library links. On success it prints PyQt's version; on failure it says what is
wrong and how to fix it, and exits with 1.
"""

import os
import sys

DEBIAN_HINT = ("Use Debian's interpreter (/usr/bin/python3) and Debian's PyQt "
               "(apt-get install python3-{pkg} {pkg}-dev); a PyQt installed with "
               "pip ships its own Qt. Pass -DRILO_WIDGET_PYTHON=/usr/bin/python3 "
               "or turn the bindings off with -DRILO_WIDGET_BUILD_PYTHON=OFF.")


def fail(message, package):
    print("{}\n{}".format(message, DEBIAN_HINT.format(pkg=package.lower())), file=sys.stderr)
    sys.exit(1)


def loaded_qtcore(major):
    """The Qt Core library file mapped into this process, or None."""
    name = 'libQt{}Core.so'.format(major)
    try:
        with open('/proc/self/maps') as maps:
            for line in maps:
                path = line.split()[-1]
                if os.path.basename(path).startswith(name):
                    return os.path.realpath(path)
    except OSError:
        pass
    return None


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    package, qt_version, qt_core = argv[1:]
    major = package[-1]
    try:
        qtcore = __import__(package + '.QtCore', fromlist=['QtCore'])
    except ImportError as error:
        fail("{} cannot be imported by {}: {}".format(package, sys.executable, error), package)

    where = os.path.dirname(qtcore.__file__)
    if qtcore.QT_VERSION_STR != qt_version or qtcore.qVersion() != qt_version:
        fail("{} in {} is built for Qt {} and runs on Qt {}, but librilo_widget uses Qt {}."
             .format(package, where, qtcore.QT_VERSION_STR, qtcore.qVersion(), qt_version), package)

    loaded = loaded_qtcore(major)
    expected = os.path.realpath(qt_core)
    if loaded is not None and loaded != expected:
        fail("{} in {} loads {}, but librilo_widget links {}: two copies of Qt in one process crash."
             .format(package, where, loaded, expected), package)

    for tool in ('sipbuild', 'pyqtbuild'):
        try:
            __import__(tool)
        except ImportError:
            fail("{} lacks the module {} (apt-get install sip-tools python3-pyqtbuild)."
                 .format(sys.executable, tool), package)

    print(qtcore.PYQT_VERSION_STR)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
