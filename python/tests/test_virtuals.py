# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""Python reimplementations of virtuals are called by C++ as often and in the order C++ ones are."""

import gc
import os

import pytest

from conftest import QtCore, QtGui, QtTest, QtWidgets, RiloWidget

S = RiloWidget.AbstractStateWidget


def logging(base):
    class Logging(base):
        def __init__(self, name, log, *args):
            super().__init__(*args)
            self.name, self.log = name, log

        def render(self):
            self.log.append(self.name)
            super().render()

        def setState(self, state, on):
            self.log.append('setState:' + self.name)
            super().setState(state, on)
    return Logging


LoggingFrame, LoggingBox = logging(RiloWidget.StandardStateWidget), logging(RiloWidget.StateWidgetBox)


def test_box_calls_python_overrides_depth_first():
    log = []
    outer, inner = LoggingBox('outer', log), LoggingBox('inner', log)
    for box, child in ((inner, LoggingFrame('a', log)), (inner, LoggingFrame('b', log)), (outer, inner), (outer, LoggingFrame('c', log))):
        box.add(child)
    del inner, box, child
    gc.collect()
    log.clear()
    outer.setState(S.State.kActive, True)
    # The same log as the C++ test of the box records for C++ overrides.
    assert log == ['setState:outer', 'outer', 'inner', 'a', 'b', 'c', 'setState:inner', 'inner', 'a', 'b',
                   'setState:a', 'a', 'setState:b', 'b', 'setState:c', 'c']
    log.clear()
    outer.setState(S.State.kActive, True)
    assert log == ['setState:outer', 'setState:inner', 'setState:a', 'setState:b', 'setState:c']


@pytest.mark.parametrize('call, renders', [
    (lambda w: w.setStates(S.State.kActive | S.State.kEnabled), 1),
    (lambda w: w.setStates(S.State(0)), 0),
    (lambda w: w.setColor(S.State.kNone, (QtGui.QColor('red'), QtGui.QColor('white')), True), 1),
    (lambda w: w.setState(S.State.kNone, True), 0),
])
def test_calls_inside_the_library_reach_the_python_render(call, renders):
    log = []
    call(LoggingFrame('w', log))
    assert log.count('w') == renders


def test_python_subclass_of_the_abstract_base_is_driven_by_a_box(capfd):
    class Lamp(S):
        seen = []

        def render(self):
            self.seen.append(int(self.states()))

    class Broken(RiloWidget.StateLabel):
        def render(self):
            raise ValueError('render failed on purpose')

    box, lamp = RiloWidget.StateWidgetBox(), Lamp()
    box.add(Broken('x'))
    box.add(lamp)
    box.setState(S.State.kEnabled, True)
    box.setState(S.State.kActive, True)
    # Rendered by the box (with the old flags) and by its own flag change;
    # the exception of another widget is reported and the box goes on.
    assert lamp.seen == [0, 2, 2, 3]
    assert 'render failed on purpose' in capfd.readouterr().err
    no_render = type('NoRender', (S,), {})()  # a subclass without render()
    no_render.setState(S.State.kActive, True)
    assert int(no_render.states()) == int(S.State.kActive) and 'render' in capfd.readouterr().err


def test_python_reimplementations_of_qt_virtuals_are_used():
    events, got = [], []

    class Window(RiloWidget.EquipmentWindow):
        def closeEvent(self, event):
            events.append(event.type())
            super().closeEvent(event)

    class Panel(RiloWidget.FlagPanelText):
        def sizeHint(self):
            return QtCore.QSize(321, 12)

        def mouseReleaseEvent(self, event):
            events.append(event.button())
            super().mouseReleaseEvent(event)

    window = Window(RiloWidget.EquipmentInfo(model='PS-3005', serialNumber='17'))
    window.closed.connect(got.append)
    window.show()
    assert window.close()
    panel = Panel()
    panel.clicked.connect(lambda: got.append('clicked'))
    QtTest.QTest.mouseClick(panel, QtCore.Qt.MouseButton.RightButton)
    assert events == [QtCore.QEvent.Type.Close, QtCore.Qt.MouseButton.RightButton]
    assert [(got[0].model, got[0].serialNumber), got[1]] == [('PS-3005', '17'), 'clicked']
    holder = QtWidgets.QWidget()
    QtWidgets.QVBoxLayout(holder).addWidget(panel)
    assert holder.layout().sizeHint().width() >= 321
    window.deleteLater()


def test_cpp_plugin_loaded_by_qt_comes_to_python_as_iequipment():
    plugin = QtCore.QPluginLoader(os.environ['RILO_EQUIPMENT_PLUGIN']).instance()
    assert isinstance(plugin, RiloWidget.IEquipment)
    (model,) = plugin.models()
    assert model.name() == 'SPS-3005' and [v.key for v in model.viewInfos()] == ['front-panel']
    # The C++ plug-in sorted the history; Python gets the entries newest first.
    assert [u.version for u in model.updateInfos()] == ['1.10', '1.2', '1.0']
    assert plugin.createWindow(RiloWidget.EquipmentInfo(model='unknown')) is None and plugin.createWindow(None) is None
    window = plugin.createWindow(RiloWidget.EquipmentInfo(model='SPS-3005'))
    assert isinstance(window, RiloWidget.EquipmentWindow) and window.equipment().model == 'SPS-3005'
    seen = []
    window.destroyed.connect(lambda: seen.append(True))
    del window  # Python owns what the C++ plug-in made
    gc.collect()
    assert seen == [True]


def test_python_plugin_subclass_implements_the_pure_virtuals():
    class Plugin(RiloWidget.IEquipment):
        def models(self):
            return [RiloWidget.ModelInfo('PY-1')]

        def createWindow(self, equipment, parent=None):
            return RiloWidget.EquipmentWindow(equipment, parent)

    assert [m.name() for m in Plugin().models()] == ['PY-1'] and Plugin().create('any', '') is None
    with pytest.raises(TypeError):
        RiloWidget.IEquipment()
