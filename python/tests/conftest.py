# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""Shared set-up: one offscreen QApplication, the PyQt under test (RILO_PYQT, PyQt5 by default),
and a check after every test that no window is left behind."""

import gc
import importlib
import os

import pytest

PYQT = os.environ.get('RILO_PYQT', 'PyQt5')
os.environ.setdefault('QT_QPA_PLATFORM', 'offscreen')

QtCore = importlib.import_module(PYQT + '.QtCore')
QtGui = importlib.import_module(PYQT + '.QtGui')
QtWidgets = importlib.import_module(PYQT + '.QtWidgets')
QtTest = importlib.import_module(PYQT + '.QtTest')
sip = importlib.import_module(PYQT + '.sip')
RiloWidget = importlib.import_module(PYQT + '.RiloWidget')
RiloMeasure = importlib.import_module(PYQT + '.RiloMeasure')

_app = QtWidgets.QApplication.instance() or QtWidgets.QApplication(['rilo-python-tests'])


def flush_deletes():
    QtCore.QCoreApplication.sendPostedEvents(None, QtCore.QEvent.Type.DeferredDelete)
    QtCore.QCoreApplication.processEvents()


@pytest.fixture(autouse=True)
def no_window_left():
    yield
    gc.collect()
    flush_deletes()
    left = [w for w in QtWidgets.QApplication.topLevelWidgets()
            if not isinstance(w, (QtWidgets.QMenu,)) and w.objectName() != 'keep']
    names = [type(w).__name__ for w in left]
    for widget in left:
        widget.deleteLater()
    flush_deletes()
    assert not names, 'top-level widgets left behind: {}'.format(names)
