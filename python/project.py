# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""sip-build project of the librilo_widget bindings.

One set of .sip files serves PyQt5 and PyQt6. The PyQt major is the major of
the Qt that the qmake given with --qmake belongs to; it picks the module file
(RiloWidget5.sip or RiloWidget6.sip, which only differ in the package name)
and the feature Rilo_PyQt6, under which the .sip files declare what differs
between the two PyQt's. PyQt's own .sip files are looked up next to the PyQt
package that this interpreter imports, so the bindings are generated against
the very PyQt they will be loaded into.
"""

import importlib.util
import os

from pyqtbuild import PyQtBindings, PyQtProject
from sipbuild import UserException


def _pyqt_bindings_dir(package):
    found = importlib.util.find_spec(package)
    if found is None or not found.submodule_search_locations:
        raise UserException(
            "{} is not installed for this interpreter; on Debian install "
            "python3-{} and {}-dev".format(package, package.lower(), package.lower()))
    for location in found.submodule_search_locations:
        candidate = os.path.join(location, 'bindings')
        if os.path.isfile(os.path.join(candidate, 'QtCore', 'QtCoremod.sip')):
            return candidate
    raise UserException(
        "{}'s .sip files are missing (looked in {}); on Debian install "
        "{}-dev".format(package, ', '.join(found.submodule_search_locations),
                        package.lower()))


class RiloProject(PyQtProject):
    """Adds the bindings folder of the PyQt that matches the chosen Qt."""

    def apply_nonuser_defaults(self, tool):
        if self.bindings_factory is None:
            self.bindings_factory = RiloBindings
        super().apply_nonuser_defaults(tool)

    def apply_user_defaults(self, tool):
        super().apply_user_defaults(tool)
        self.sip_include_dirs.append(_pyqt_bindings_dir(self.pyqt_package))

    @property
    def pyqt_package(self):
        return 'PyQt{}'.format(self.builder.qt_version >> 16)


class RiloBindings(PyQtBindings):
    """Chooses the module file and the features for the PyQt major."""

    def apply_user_defaults(self, tool):
        major = self.project.builder.qt_version >> 16
        if major not in (5, 6):
            raise UserException("Qt {} is not supported; use Qt 5 or Qt 6".format(major))
        self.sip_file = os.path.join(self.name, '{}{}.sip'.format(self.name, major))
        if major == 5:
            self.disabled_features = list(self.disabled_features or []) + ['Rilo_PyQt6']
        super().apply_user_defaults(tool)
