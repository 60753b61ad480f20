#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT
"""A power-supply front panel written in Python on librilo_widget.

    supply_panel.py                     opens the front panel
    supply_panel.py --screenshot DIR    renders it offscreen into DIR/python-example.png and exits
    supply_panel.py --pyqt6             uses PyQt6 and the PyQt6 bindings (Qt 6 build)

Run it with Debian's interpreter and the bindings on the path, for example
PYTHONPATH=build/python/site /usr/bin/python3 examples/python/supply_panel.py
(`make python-example` does that). Without a display it takes the screenshot
into screenshots/.
"""

import argparse
import importlib
import os
import sys

from simulated_supply import SimulatedSupply


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--screenshot', metavar='DIR', nargs='?', const='screenshots',
                        help='render the window offscreen into DIR/python-example.png and exit')
    parser.add_argument('--pyqt6', action='store_true', help='use PyQt6 (bindings of a Qt 6 build)')
    arguments = parser.parse_args()
    if arguments.screenshot is None and not (os.environ.get('DISPLAY') or os.environ.get('WAYLAND_DISPLAY')):
        arguments.screenshot = 'screenshots'
    if arguments.screenshot is not None:
        os.environ['QT_QPA_PLATFORM'] = 'offscreen'
    return arguments


ARGUMENTS = parse_arguments()
PYQT = 'PyQt6' if ARGUMENTS.pyqt6 or os.environ.get('RILO_PYQT') == 'PyQt6' else 'PyQt5'
QtCore = importlib.import_module(PYQT + '.QtCore')
QtGui = importlib.import_module(PYQT + '.QtGui')
QtWidgets = importlib.import_module(PYQT + '.QtWidgets')
RiloWidget = importlib.import_module(PYQT + '.RiloWidget')
RiloMeasure = importlib.import_module(PYQT + '.RiloMeasure')

Qt = QtCore.Qt
State = RiloWidget.AbstractStateWidget.State
IntfType = RiloMeasure.VisaIOInfo.IntfType


def tr(text):
    return QtCore.QCoreApplication.translate('SupplyPanel', text)


class ChannelPanel(RiloWidget.PowerSupplyLCD):
    """One channel's readout: caption and mode above voltage and current,
    the output state below. The measurement rows light up while the output
    is on; the ring shows a current-limited channel."""

    def __init__(self, number, parent=None):
        super().__init__(2, 2, 1, parent)
        self.headerWidget(0).setText(tr('CH%d') % number)
        self.setUnit(0, 'V')
        self.setUnit(1, 'A')
        for row in range(2):
            self.measureWidget(row).valueWidget().setPointSize(22)
        self.setMinimumWidth(250)
        self.render()

    def show_channel(self, channel):
        self.setValue(0, '%.3f' % channel.voltage)
        self.setValue(1, '%.3f' % channel.current)
        self.headerWidget(1).setText(tr('CC') if channel.current_limited else tr('CV'))
        self.footerWidget(0).setText(tr('OUTPUT ON') if channel.output_on else tr('OUTPUT OFF'))
        self.measure().setState(State.kEnabled, channel.output_on)
        self.setState(State.kActive, channel.current_limited)


class FrontPanel(QtWidgets.QMainWindow):
    def __init__(self, supply):
        super().__init__()
        self.supply = supply
        # The record the connection dialog edits; it stays ours.
        self.io_param = RiloMeasure.VisaIOParam(intfType=IntfType.kTcpip, ipAddress='192.168.1.20')
        self.setWindowTitle(tr('SPS-3005 front panel'))

        central = QtWidgets.QWidget(self)
        layout = QtWidgets.QVBoxLayout(central)
        readouts = QtWidgets.QHBoxLayout()
        self.channels = []
        self.outputs = []
        for index in range(len(supply.channels)):
            column = QtWidgets.QVBoxLayout()
            panel = ChannelPanel(index + 1, central)
            output = RiloWidget.CCheckbox(central)
            output.setCheckedText(tr('Output on'))
            output.setUnCheckedText(tr('Output off'))
            output.setChecked(supply.channels[index].output_on)
            output.toggled.connect(lambda on, index=index: self.set_output(index, on))
            column.addWidget(panel)
            column.addWidget(output)
            readouts.addLayout(column)
            self.channels.append(panel)
            self.outputs.append(output)
        layout.addLayout(readouts)

        flags = QtWidgets.QHBoxLayout()
        self.modes = RiloWidget.FlagPanelText(central)
        self.modes.setTitle(tr('Modes'))
        self.output_lamps = RiloWidget.FlagPanelState(central)
        self.output_lamps.setTitle(tr('Outputs'))
        self.limit_lamps = RiloWidget.FlagPanelState(central)
        self.limit_lamps.setTitle(tr('Current limit'))
        self.limit_lamps.setEnableColor(QtGui.QColor(0xFF, 0x7A, 0x00))
        for panel in (self.modes, self.output_lamps, self.limit_lamps):
            panel.setMinimumHeight(64)
            flags.addWidget(panel)
        layout.addLayout(flags)
        self.setCentralWidget(central)

        menu = self.menuBar().addMenu(tr('&Instrument'))
        menu.addAction(tr('&Connect...'), self.choose_connection)
        menu.addAction(tr('&Remote'), self.toggle_remote)
        menu.addSeparator()
        menu.addAction(tr('&Quit'), self.close)

        self.timer = QtCore.QTimer(self)
        self.timer.timeout.connect(self.tick)
        self.timer.start(100)
        self.refresh()

    def set_output(self, index, on):
        self.supply.set_output(index, on)
        self.refresh()

    def toggle_remote(self):
        self.supply.remote = not self.supply.remote
        self.refresh()

    def choose_connection(self):
        dialog = RiloWidget.DlgDevChoose(self.io_param, ['192.168.1.20', '192.168.1.21'], self)
        if dialog.exec():  # accepted: the record holds the new settings
            self.supply.remote = True
        dialog.deleteLater()
        self.refresh()

    def connection_text(self):
        p = self.io_param
        if p.intfType == IntfType.kTcpip:
            return tr('LAN %s:%d') % (p.ipAddress, p.port)
        if p.intfType == IntfType.kAsrl:
            return tr('RS232 %d baud') % p.baudRate
        return tr('USB')

    def tick(self):
        self.supply.step()
        self.refresh()

    def refresh(self):
        channels = self.supply.channels
        for panel, channel in zip(self.channels, channels):
            panel.show_channel(channel)
        self.modes.setFlag(tr('REMOTE') if self.supply.remote else tr('LOCAL'), 0)
        for index, channel in enumerate(channels):
            self.modes.setFlag('%s%d' % (tr('CC') if channel.current_limited else tr('CV'), index + 1), index + 1)
        for index, channel in enumerate(channels):
            self.output_lamps.setFlag(channel.output_on, index)
            self.limit_lamps.setFlag(channel.current_limited, index)
        self.statusBar().showMessage(self.connection_text())


def main():
    app = QtWidgets.QApplication(sys.argv)
    if ARGUMENTS.screenshot is not None:
        font = QtGui.QFont('DejaVu Sans')
        font.setPixelSize(12)
        app.setFont(font)
    translator = QtCore.QTranslator(app)
    if RiloWidget.loadTranslation(translator, QtCore.QLocale()):
        app.installTranslator(translator)

    window = FrontPanel(SimulatedSupply())
    window.resize(600, 330)
    window.show()
    if ARGUMENTS.screenshot is None:
        return app.exec()

    # Let the simulated supply tick and the layouts settle, then grab.
    loop = QtCore.QEventLoop()
    QtCore.QTimer.singleShot(600, loop.quit)
    loop.exec()
    os.makedirs(ARGUMENTS.screenshot, exist_ok=True)
    path = os.path.join(ARGUMENTS.screenshot, 'python-example.png')
    if not window.grab().save(path):
        print('cannot write ' + path, file=sys.stderr)
        return 1
    print(path)
    return 0


if __name__ == '__main__':
    sys.exit(main())
