# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""Ownership: what a C++ owner holds outlives Python's reference, and what it deletes is marked deleted."""

import gc
import weakref

import pytest

from conftest import QtWidgets, RiloMeasure, RiloWidget, flush_deletes, sip


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
