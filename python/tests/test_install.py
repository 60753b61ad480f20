# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""The installed modules load from the prefix alone; the build refuses a PyQt on another Qt."""

import glob
import os
import subprocess
import sys

import pytest

from conftest import PYQT, QtCore

BUILD_DIR = os.environ.get('RILO_BUILD_DIR')
CHECK = os.path.join(os.path.dirname(__file__), '..', 'check_pyqt.py')


@pytest.mark.skipif(not BUILD_DIR, reason='needs RILO_BUILD_DIR (set by CTest)')
def test_installed_modules_load_from_the_prefix_alone(tmp_path):
    subprocess.run(['cmake', '--install', BUILD_DIR, '--prefix', str(tmp_path)],
                   check=True, stdout=subprocess.DEVNULL)
    (package,) = glob.glob(str(tmp_path / 'lib' / 'python3*' / 'dist-packages' / PYQT))
    for name in ('RiloWidget.pyi', 'bindings/RiloWidget/RiloWidget.toml',
                 'bindings/RiloWidget/statewidgetbox.sip', 'bindings/RiloMeasure/visaioparam.sip'):
        assert os.path.isfile(os.path.join(package, name)), name
    env = {k: v for k, v in os.environ.items() if k not in ('LD_LIBRARY_PATH', 'PYTHONPATH')}
    env['PYTHONPATH'] = os.path.dirname(package)
    script = ('from {0}.QtWidgets import QApplication\n'
              'from {0} import RiloWidget\n'
              'app = QApplication([])\n'
              'panel = RiloWidget.PowerSupplyLCD(1, 2, 1)\n'
              'print(RiloWidget.__file__, panel.measureWidgetCount())\n').format(PYQT)
    result = subprocess.run([sys.executable, '-c', script], env=env, capture_output=True, text=True)
    assert result.returncode == 0, result.stderr
    path, count = result.stdout.split()
    assert path.startswith(package) and count == '2'


@pytest.mark.parametrize('package, version, core', [
    (PYQT, '9.9.9', None),                      # PyQt built for another Qt version
    (PYQT, None, '/opt/other-qt/lib/libQtCore.so'),  # another Qt library file
    ('PyQtNone', None, None),                   # no such PyQt
])
def test_configure_check_names_a_foreign_qt(package, version, core):
    with open('/proc/self/maps') as maps:
        loaded = [line.split()[-1] for line in maps if 'libQt' in line and 'Core.so' in line]
    result = subprocess.run([sys.executable, CHECK, package, version or QtCore.qVersion(), core or loaded[0]],
                            capture_output=True, text=True)
    assert result.returncode == 1
    assert 'Debian' in result.stderr and package in result.stderr
    assert (version or core or 'cannot be imported') in result.stderr
