# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""Signals carry Python values both ways, and Python values round-trip."""

import pytest

from conftest import QtWidgets, RiloWidget


def test_ccheckbox_toggled_carries_a_bool():
    box, seen = RiloWidget.CCheckbox(), []
    box.toggled.connect(seen.append)
    box.setChecked(False)  # already unchecked: no signal
    box.setChecked(True)
    assert seen == [True]


def test_param_dialog_signal_gives_the_python_button():
    dialog = RiloWidget.CheckButtonDialog_([RiloWidget.DialogButtonParam('2 A', 2.0), RiloWidget.DialogButtonParam('5 A', 5.0)])
    seen, buttons = [], dialog.findChildren(QtWidgets.QPushButton)
    dialog.buttonClicked.connect(seen.append)
    buttons[1].click()
    assert seen == [buttons[1]] and seen[0].property('UserData') == 5.0


def test_signals_emitted_from_python_reach_receivers():
    window, combo, got = RiloWidget.EquipmentWindow(RiloWidget.EquipmentInfo(model='A')), RiloWidget.CComboBox(), []
    window.opened.connect(lambda info: got.append(info.model))
    window.closed.connect(got.append)
    combo.mySignal.connect(lambda: got.append('mySignal'))
    window.opened.emit(RiloWidget.EquipmentInfo(model='B'))
    window.closed.emit(None)
    combo.mySignal.emit()
    assert got == ['B', None, 'mySignal']
    with pytest.raises(TypeError):
        window.opened.emit('not a record')


def test_python_values_round_trip_through_a_dialog():
    dialog = RiloWidget.CheckButtonAndSpinBoxDialog.makeInstance([RiloWidget.DialogButtonParam('x', {'key': [1, 2]})], 1)
    assert dialog.checked() is None
    dialog.setCheck({'key': [1, 2]})
    dialog.setValueRange(-5.0, 5.0)
    dialog.setValue(-2.25)
    assert (dialog.checked(), dialog.value()) == ({'key': [1, 2]}, -2.25)
