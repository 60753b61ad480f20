# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""Type mapping (flags, scoped enumerations, records, lists, tuples, QVariant values; bad input raises), signals
that carry Python values both ways, and ownership: what a C++ owner holds outlives Python's reference, and what
it deletes is marked deleted."""

import gc
import weakref

import pytest

from conftest import QtCore, QtGui, QtWidgets, RiloMeasure, RiloWidget, flush_deletes, sip

S = RiloWidget.AbstractStateWidget
Info, Serial = RiloMeasure.VisaIOInfo, RiloMeasure.VisaSerial


@pytest.mark.parametrize('scope, name, value', [
    (Info.IntfType, 'kTcpip', 6), (Info.LanType, 'kHiSLIP', 2), (Serial.StopBits, 'kOneAndHalf', 15),
    (Serial.Parity, 'kSpace', 4), (S.State, 'kAll', 3), (RiloWidget.WindowFlash.Flag, 'kFlash', 7),
])
def test_enumerations_are_scoped_as_in_cpp(scope, name, value):
    assert int(getattr(scope, name)) == value


def test_enumerations_match_the_cpp_meta_objects():
    meta = Info.staticMetaObject
    enum = meta.enumerator(meta.indexOfEnumerator('IntfType'))
    assert {enum.key(i): enum.value(i) for i in range(enum.keyCount())} == \
        {name: int(getattr(Info.IntfType, name)) for name in ('kGpib', 'kAsrl', 'kTcpip', 'kUsb')}


@pytest.mark.parametrize('flags, value', [(S.State.kActive | S.State.kEnabled, 3), (S.State.kEnabled | S.State.kNone, 2)])
def test_states_combine_with_or_and_reach_cpp(flags, value):
    widget = RiloWidget.StateLabel('x')
    widget.setStates(flags)
    assert int(widget.states()) == value and bool(widget.states() & S.State.kEnabled)
    assert S.describeStates(flags) == S.describeStates(S.State(value))


@pytest.mark.parametrize('field, value', [
    ('resourceName', 'USB0::1::2::INSTR'), ('intfType', Info.IntfType.kAsrl), ('ipAddress', '10.1.2.3'),
    ('lanType', Info.LanType.kSOCKET), ('port', 4000), ('baudRate', 115200), ('dataBits', Serial.DataBits.kBits7),
    ('stopBits', Serial.StopBits.kTwo), ('parity', Serial.Parity.kEven),
])
def test_visa_record_keyword_sets_only_its_field(field, value):
    default, record = RiloMeasure.VisaIOParam(), RiloMeasure.VisaIOParam(**{field: value})
    fields = 'resourceName intfType ipAddress lanType port baudRate dataBits stopBits parity'.split()
    assert [getattr(record, f) for f in fields] == [value if f == field else getattr(default, f) for f in fields]
    copy = RiloMeasure.VisaIOParam(record)
    setattr(record, field, getattr(default, field))
    assert getattr(copy, field) == value
    assert repr(value if isinstance(value, str) else int(value)) in repr(copy)


def test_colour_pairs_are_tuples_both_ways():
    widget = RiloWidget.StateLabel('x')  # also a list, and a Qt colour constant
    widget.setColor(S.State.kActive, (QtGui.QColor('#102030'), QtCore.Qt.GlobalColor.yellow), True)
    widget.setColor(S.State.kActive, [QtGui.QColor('red'), QtGui.QColor('blue')], False)
    assert [c.name() for c in widget.color(S.State.kActive, True)] == ['#102030', '#ffff00']
    assert [c.name() for c in widget.color(S.State.kActive, False)] == ['#ff0000', '#0000ff']


@pytest.mark.parametrize('value, shown', [(7, '7'), (2.5, '2.5'), (True, 'true'), ('OVP', 'OVP'), (None, '')])
def test_python_values_reach_the_panels_as_qvariant(value, shown):
    text, lamps = RiloWidget.FlagPanelText(), RiloWidget.FlagPanelState()
    text.setFlag(value, 0)
    assert text.findChildren(QtWidgets.QLabel)[-1].text() == shown
    lamps.setFlag(value, -5)
    lamps.setFlag(value, 99)
    assert lamps.flagCount() == 2 and lamps.enableColor() == QtGui.QColor(0, 212, 0)


def test_check_button_items_and_clicked_entry_map_to_tuples():
    items = [('one', 1), ('half', 0.5), ('text', 'x'), ('none', None)]
    dialog = RiloWidget.CheckButtonDialog(items, columns=2)
    entries = []
    dialog.buttonClicked.connect(entries.append)
    buttons = dialog.findChildren(QtWidgets.QPushButton)
    assert [(b.text(), b.property('UserData')) for b in buttons] == items
    dialog.setChecked(0.5, True), dialog.setChecked('TEXT', True)
    assert [b.isChecked() for b in buttons] == [False, True, True, False]
    buttons[0].click()
    assert entries == [('one', 1, buttons[0])]


def test_lists_of_records_and_strings_are_python_lists():
    date = QtCore.QDate(2026, 1, 2)
    model = RiloWidget.ModelInfo('PS', [RiloWidget.EquipmentViewInfo('k', 't', ':/i.png')])
    model.addUpdateInfo(RiloWidget.UpdateInfo(QtCore.QDate(2025, 1, 1), '1.0'))
    model.addUpdateInfo(RiloWidget.UpdateInfo(date, '1.1', ['a', 'b']))
    assert model.viewInfos() == [RiloWidget.EquipmentViewInfo('k', 't', ':/i.png')]
    assert [u.version for u in model.updateInfos()] == ['1.1', '1.0']
    latest = model.latestUpdate()
    assert (latest.date, latest.notes) == (date, ['a', 'b'])
    latest.notes = ['changed']
    assert model.latestUpdate().notes == ['a', 'b']  # a copy, the model is unchanged
    assert RiloWidget.ModelInfo().latestUpdate() is None
    assert _dialog().splitIPAddress('256.1.1.1') == ['25', '6', '1', '1', '1']
    assert _dialog().combineIPAddress(['000', '00', '0', '010']) == '0.0.0.10' and _dialog().removePreChar('007', '0') == '7'


def test_equipment_records_are_values_with_none_for_null():
    info = RiloWidget.EquipmentInfo(manufacturer='Rilo', model='PS')
    window = RiloWidget.EquipmentWindow(info)
    info.model = 'changed later'
    assert window.equipment() == RiloWidget.EquipmentInfo(manufacturer='Rilo', model='PS')
    assert window.equipment() is not window.equipment()
    assert RiloWidget.EquipmentWindow(None).equipment() is None


def _dialog():
    return RiloWidget.DlgDevChoose(RiloMeasure.VisaIOParam())


@pytest.mark.parametrize('call, error', [
    (lambda: RiloWidget.DlgDevChoose(None), TypeError), (lambda: RiloWidget.PowerSupplyLCD('1', 2, 3), TypeError),
    (lambda: RiloWidget.DlgDevChoose(RiloMeasure.VisaIOParam(), addresses=[1, 2]), TypeError),
    (lambda: _dialog().removePreChar('007', '00'), ValueError), (lambda: _dialog().removePreChar('007', 'ü'), ValueError),
    (lambda: RiloWidget.StateWidgetBox().add(QtWidgets.QLabel()), TypeError),
    (lambda: RiloWidget.StateWidgetBox().add('label'), TypeError), (lambda: RiloWidget.WidgetHelper(), TypeError),
    (lambda: RiloMeasure.VisaIOParam(port='5025'), TypeError), (lambda: RiloMeasure.VisaIOParam(colour=1), TypeError),
    (lambda: setattr(RiloMeasure.VisaIOParam(), 'port', None), TypeError),
    (lambda: RiloWidget.StateLabel('x').setStates('active'), TypeError),
    *[(lambda bad=bad: RiloWidget.CheckButtonDialog(bad), TypeError) for bad in ([('one', 1, 2)], [(1, 2)], 'ab', ['one'])],
    *[(lambda bad=bad: RiloWidget.StateLabel('x').setColor(S.State.kActive, bad, True), TypeError)
      for bad in ((QtGui.QColor('red'),), (QtGui.QColor('red'),) * 3, ('red', 3), None, 'ab', 5)],
])
def test_bad_arguments_raise(call, error):
    with pytest.raises(error):
        call()


@pytest.mark.parametrize('call, result', [
    (lambda p: p.headerWidget(5), None), (lambda p: p.footerWidget(-1), None), (lambda p: p.measureWidget(2), None),
    (lambda p: p.measure().widget(-1), None), (lambda p: p.setValue(9, '1.0'), None),
    (lambda p: p.measure().add(None), None), (lambda p: p.measure().insert(99, RiloWidget.StateLabel('tail')), None),
    (lambda p: RiloWidget.WidgetHelper.getChildren(None, [], True), []), (lambda p: _dialog().getChilds(None), []),
    (lambda p: RiloWidget.loadTranslation(None, QtCore.QLocale('de')), False),
])
def test_out_of_range_and_none_get_the_documented_behaviour(call, result):
    panel = RiloWidget.PowerSupplyLCD(1, 2, 1)
    assert call(panel) == result
    assert panel.measureWidgetCount() in (2, 3)


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


def destroyed_flag(obj):
    seen = []
    obj.destroyed.connect(lambda *args: seen.append(True))
    return seen


@pytest.mark.parametrize('hand_over', [
    lambda box: box.add(RiloWidget.StateLabel('kept')),
    lambda box: box.insert(0, RiloWidget.StateLabel('kept')),
    lambda box: box.add(RiloWidget.StateLabel('kept', parent=box)),  # made with its parent, kept there
])
def test_widget_handed_to_a_box_lives_and_dies_with_the_box(hand_over):
    box = RiloWidget.StateWidgetBox()
    hand_over(box)
    gc.collect()
    assert box.widget(0).text() == 'kept'
    seen = destroyed_flag(box.widget(0))
    gc.collect()
    assert box.widget(0).text() == 'kept' and seen == []
    label = box.widget(0)
    box.deleteLater()
    del box
    flush_deletes()
    assert seen == [True] and sip.isdeleted(label)
    with pytest.raises(RuntimeError):
        label.text()


def test_widget_moved_between_boxes_belongs_to_the_last_one():
    first, second, label = RiloWidget.StateWidgetBox(), RiloWidget.StateWidgetBox(), RiloWidget.StateLabel('m')
    first.add(label), second.add(label)
    assert (first.count(), second.count()) == (0, 1)
    del first
    gc.collect()
    assert not sip.isdeleted(label)
    del second
    gc.collect()
    assert sip.isdeleted(label)


def test_frame_owns_content_and_deletes_the_replaced_one_later():
    frame = RiloWidget.StandardStateWidget(QtWidgets.QLabel('old'))
    gc.collect()
    old = frame.content()
    frame.setContent(QtWidgets.QLabel('new'))
    gc.collect()
    assert (old.text(), frame.content().text()) == ('old', 'new')
    flush_deletes()
    assert sip.isdeleted(old)
    frame.setContent(None)
    assert frame.content() is None


@pytest.mark.parametrize('make, owned_by_python', [
    (lambda parent: RiloWidget.StateLabel('free'), True),
    (lambda parent: RiloWidget.CheckButtonDialog.makeButton('b', 3), True),
    (lambda parent: RiloWidget.CheckButtonAndSpinBoxDialog.makeInstance([RiloWidget.DialogButtonParam('a', 1)], 1), True),
    (lambda parent: RiloWidget.CheckButtonAndSpinBoxDialog.makeInstance([RiloWidget.DialogButtonParam('a', 1)], 1, parent), False),
])
def test_made_objects_belong_to_python_or_their_parent(make, owned_by_python):
    parent = QtWidgets.QWidget()
    seen = destroyed_flag(make(parent))
    gc.collect()
    assert seen == ([True] if owned_by_python else [])
    del parent
    gc.collect()
    assert seen == [True]


def test_widgets_created_by_the_library_come_with_their_own_classes():
    panel = RiloWidget.PowerSupplyLCD(2, 3, 1)
    assert [type(w) for w in (panel.measure(), panel.measureWidget(2), panel.headerWidget(1), panel.measureWidget(0).valueWidget().label())] \
        == [RiloWidget.StateWidgetBox, RiloWidget.ValueWidget, RiloWidget.StateLabel, QtWidgets.QLabel]
    found = RiloWidget.WidgetHelper.getChildren(panel, ['rilo::widget::measure::ValueWidget'], True)
    assert [type(w) for w in found] == [RiloWidget.ValueWidget] * 3


def test_dialog_writes_ok_into_the_python_record():
    record = RiloMeasure.VisaIOParam(baudRate=19200)
    dialog = RiloWidget.DlgDevChoose(record, ['192.168.1.10'])
    dialog.findChild(QtWidgets.QRadioButton, 'rbLAN').click()
    dialog.findChild(QtWidgets.QLineEdit, 'edtLANIP').setText('192.168.001.010')
    dialog.findChild(QtWidgets.QComboBox, 'cbRS232Parity').setCurrentIndex(2)
    ok = dialog.findChild(QtWidgets.QDialogButtonBox).button(QtWidgets.QDialogButtonBox.StandardButton.Ok)
    QtCore.QTimer.singleShot(0, ok.click)  # once the dialog runs its own event loop
    assert dialog.exec() == 1 and dialog.equipIOParam() is record
    assert (record.intfType, record.ipAddress, record.parity, record.baudRate) == \
        (Info.IntfType.kTcpip, '192.168.1.10', Serial.Parity.kEven, 19200)


def test_dialog_keeps_the_python_record_alive_while_it_lives():
    record = RiloMeasure.VisaIOParam(port=77, ipAddress='10.0.0.1')
    alive = weakref.ref(record)
    dialog = RiloWidget.DlgDevChoose(record)
    del record  # the dialog holds the only reference to the record it writes into
    gc.collect()
    assert dialog.equipIOParam() is alive() and (alive().port, alive().ipAddress) == (77, '10.0.0.1')
    del dialog
    gc.collect()
    assert alive() is None


def test_window_flash_keeps_widget_and_backend_until_its_last_stop():
    requests = []

    class Backend(RiloWidget.WindowFlash.Backend):
        def flash(self, request):
            requests.append(request)

    flash = RiloWidget.WindowFlash(QtWidgets.QWidget(), Backend())
    gc.collect()
    flash.startOnce(1000)
    del flash
    gc.collect()
    # The destructor's stop request still reached the Python backend, and the
    # requests kept by Python are copies that outlive the calls.
    assert [r.flags for r in requests] == [RiloWidget.WindowFlash.Flag.kFlash, RiloWidget.WindowFlash.Flag.kStop]
    assert (requests[0].count, requests[0].interval) == (2, 500)
