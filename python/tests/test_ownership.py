# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""Ownership across the boundary: what Qt's parent rules give to a C++ owner
stays alive when Python lets go, and what the owner deletes is marked deleted
on the Python side instead of being deleted twice."""

import gc
import weakref

import pytest

from conftest import QtWidgets, RiloMeasure, RiloWidget, flush_deletes, sip

S = RiloWidget.AbstractStateWidget


def destroyed_flag(obj):
    seen = []
    obj.destroyed.connect(lambda *args: seen.append(True))
    return seen


@pytest.mark.parametrize('hand_over', ['add', 'insert', 'parent'])
def test_widget_handed_to_a_box_outlives_its_python_name(hand_over):
    box = RiloWidget.StateWidgetBox()
    if hand_over == 'add':
        box.add(RiloWidget.StateLabel('kept'))
    elif hand_over == 'insert':
        box.insert(0, RiloWidget.StateLabel('kept'))
    else:
        # A widget made with a parent belongs to it, and add() keeps it there.
        box.add(RiloWidget.StateLabel('kept', parent=box))
    gc.collect()
    label = box.widget(0)
    assert label.text() == 'kept'
    del label
    gc.collect()
    assert box.widget(0).text() == 'kept'
    seen = destroyed_flag(box.widget(0))
    del box
    gc.collect()
    assert seen == [True]


def test_box_deletes_its_widgets_and_python_sees_it():
    box = RiloWidget.StateWidgetBox()
    label = RiloWidget.StateLabel('x')
    box.add(label)
    box.deleteLater()
    del box
    flush_deletes()
    assert sip.isdeleted(label)
    with pytest.raises(RuntimeError):
        label.text()


def test_widget_moved_between_boxes_belongs_to_the_last_one():
    first, second = RiloWidget.StateWidgetBox(), RiloWidget.StateWidgetBox()
    label = RiloWidget.StateLabel('m')
    first.add(label)
    second.add(label)
    assert (first.count(), second.count()) == (0, 1)
    del first
    gc.collect()
    assert not sip.isdeleted(label)
    del second
    gc.collect()
    assert sip.isdeleted(label)


def test_frame_owns_content_and_deletes_the_replaced_one_later():
    old = QtWidgets.QLabel('old')
    frame = RiloWidget.StandardStateWidget(old)
    del old
    gc.collect()
    old = frame.content()
    assert old.text() == 'old'
    frame.setContent(QtWidgets.QLabel('new'))
    gc.collect()
    assert frame.content().text() == 'new'
    assert not sip.isdeleted(old)
    flush_deletes()
    assert sip.isdeleted(old)
    frame.setContent(None)
    assert frame.content() is None


def test_python_owned_widget_is_deleted_once_when_python_lets_go():
    label = RiloWidget.StateLabel('free')
    seen = destroyed_flag(label)
    del label
    gc.collect()
    assert seen == [True]


@pytest.mark.parametrize('with_parent', [False, True])
def test_make_instance_belongs_to_parent_or_python(with_parent):
    parent = QtWidgets.QWidget() if with_parent else None
    dialog = RiloWidget.CheckButtonAndSpinBoxDialog.makeInstance(
        [RiloWidget.DialogButtonParam('a', 1)], 1, parent)
    seen = destroyed_flag(dialog)
    del dialog
    gc.collect()
    assert seen == ([] if with_parent else [True])
    if with_parent:
        del parent
        gc.collect()
        assert seen == [True]


def test_made_button_belongs_to_python():
    button = RiloWidget.CheckButtonDialog.makeButton('b', 3)
    assert button.parent() is None and button.property('UserData') == 3
    seen = destroyed_flag(button)
    del button
    gc.collect()
    assert seen == [True]


def test_widgets_created_by_the_library_come_with_their_own_classes():
    panel = RiloWidget.PowerSupplyLCD(2, 3, 1)
    assert type(panel.measure()) is RiloWidget.StateWidgetBox
    assert type(panel.measureWidget(2)) is RiloWidget.ValueWidget
    assert type(panel.headerWidget(1)) is RiloWidget.StateLabel
    assert type(panel.measureWidget(0).valueWidget().label()) is QtWidgets.QLabel
    found = RiloWidget.WidgetHelper.getChildren(panel, ['rilo::widget::measure::ValueWidget'], True)
    assert [type(w) for w in found] == [RiloWidget.ValueWidget] * 3


def test_dialog_keeps_the_python_record_alive_while_it_lives():
    # The dialog holds the only reference to the record it writes into.
    record = RiloMeasure.VisaIOParam(port=77, ipAddress='10.0.0.1')
    alive = weakref.ref(record)
    dialog = RiloWidget.DlgDevChoose(record)
    del record
    gc.collect()
    assert alive() is not None
    assert dialog.equipIOParam() is alive()
    assert (alive().port, alive().ipAddress) == (77, '10.0.0.1')
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
