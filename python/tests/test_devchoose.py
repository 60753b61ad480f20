# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""The connection dialog writes OK's form into the caller's record; Cancel keeps only the interface."""

import pytest

from conftest import QtCore, QtWidgets, RiloMeasure, RiloWidget

Info, Serial = RiloMeasure.VisaIOInfo, RiloMeasure.VisaSerial


def fill_lan_form(dialog):
    dialog.findChild(QtWidgets.QRadioButton, 'rbLAN').click()
    dialog.findChild(QtWidgets.QLineEdit, 'edtLANIP').setText('192.168.001.010')
    dialog.findChild(QtWidgets.QComboBox, 'cbbLANMode').setCurrentIndex(1)
    dialog.findChild(QtWidgets.QSpinBox, 'sbLANPort').setValue(4000)
    dialog.findChild(QtWidgets.QComboBox, 'cbRS232Parity').setCurrentIndex(2)


@pytest.mark.parametrize('button, expected', [
    (QtWidgets.QDialogButtonBox.StandardButton.Ok,
     dict(intfType=Info.IntfType.kTcpip, ipAddress='192.168.1.10', lanType=Info.LanType.kSOCKET,
          port=4000, parity=Serial.Parity.kEven)),
    # Checking another interface writes it at once; nothing else is written.
    (QtWidgets.QDialogButtonBox.StandardButton.Cancel,
     dict(intfType=Info.IntfType.kTcpip, ipAddress='', lanType=Info.LanType.kINSTR,
          port=5025, parity=Serial.Parity.kNone)),
])
def test_dialog_writes_into_the_python_record(button, expected):
    record = RiloMeasure.VisaIOParam(baudRate=19200)
    dialog = RiloWidget.DlgDevChoose(record, ['192.168.1.10'])
    fill_lan_form(dialog)
    # OK or Cancel, pressed once the dialog runs its own event loop.
    QtCore.QTimer.singleShot(0, lambda: dialog.findChild(QtWidgets.QDialogButtonBox, 'buttonBox').button(button).click())
    assert dialog.exec() == (1 if button == QtWidgets.QDialogButtonBox.StandardButton.Ok else 0)
    assert {name: getattr(record, name) for name in expected} == expected
    assert record.baudRate == 19200 and dialog.equipIOParam() is record


def test_invalid_address_keeps_the_dialog_open_and_the_record_unchanged():
    record = RiloMeasure.VisaIOParam(intfType=Info.IntfType.kTcpip, ipAddress='10.0.0.1')
    dialog = RiloWidget.DlgDevChoose(record)
    dialog.findChild(QtWidgets.QLineEdit, 'edtLANIP').setText('300.1.1.1')
    boxes = []
    QtCore.QTimer.singleShot(0, lambda: boxes.append(QtWidgets.QApplication.activeModalWidget()) or boxes[0].close())
    dialog.accept()
    assert [type(box).__name__ for box in boxes] == ['QMessageBox']
    assert record.ipAddress == '10.0.0.1' and dialog.result() == 0  # not accepted
