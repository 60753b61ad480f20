// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the instrument connection dialog: the address functions, and the dialog driven by mouse and keyboard, a
// language change and a host that deletes parts of it, from a record to what the record holds at the end.
#include "testsupport.h"

#include <widget/dlgdevchoose.h>

#include <QtWidgets>

#include <memory>

using rilo::measure::io::visa::VisaIOInfo;
using rilo::measure::io::visa::VisaIOParam;
using rilo::measure::io::visa::VisaSerial;
using rilo::widget::DlgDevChoose;

namespace {

// A LAN record, "untouched 6 1.2.3.4 1 5025 115200 7 20 2" as dump() writes it, with `changes` such as "intf=4 addr=abc
// port=-1" applied.
VisaIOParam record(const QString &changes)
{
    const QStringList keys{"name", "intf", "addr", "lan", "port", "baud", "data", "stop", "parity"};
    QStringList f = QStringLiteral("untouched 6 1.2.3.4 1 5025 115200 7 20 2").split(' ');
    for (const QString &change : changes.split(' ', Qt::SkipEmptyParts))
        f[keys.indexOf(change.section('=', 0, 0))] = change.section('=', 1);
    const auto n = [&f](int i) { return f[i].toInt(); };
    VisaIOParam p{f[0], VisaIOInfo::IntfType(n(1)), f[2], VisaIOInfo::LanType(n(3)), n(4), quint32(n(5))};
    p.dataBits = VisaSerial::DataBits(n(6)), p.stopBits = VisaSerial::StopBits(n(7));
    p.parity = VisaSerial::Parity(n(8));
    return p;
}

QString dump(const VisaIOParam &p)
{
    return QString::asprintf("%s %d %s %d %d %u %d %d %d", qPrintable(p.resourceName), int(p.intfType),
                             qPrintable(p.ipAddress), int(p.lanType), int(p.port), uint(p.baudRate), int(p.dataBits),
                             int(p.stopBits), int(p.parity));
}

// What a widget shows: a list's or field's text ("[text]" while the field has the focus and all of its text is
// selected), "on"/"off" for a button, the page number of the pages; "(off)" when disabled, "(hidden)" when hidden.
QString shown(QWidget *w)
{
    QString text;
    if (auto *box = qobject_cast<QComboBox *>(w))
        text = box->currentText();
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        text = edit->window()->focusWidget() == edit && edit->selectedText() == edit->text() && edit->hasSelectedText()
                 ? '[' + edit->text() + ']'
                 : edit->text();
    else if (auto *spin = qobject_cast<QSpinBox *>(w))
        text = spin->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        text = QLatin1String(button->isChecked() ? "on" : "off");
    else if (auto *tabs = qobject_cast<QTabWidget *>(w))
        w = tabs->currentWidget(), text = QString::number(tabs->currentIndex());
    return text + QLatin1String(w->isEnabled() ? "" : "(off)") + QLatin1String(w->isHidden() ? "(hidden)" : "");
}

} // namespace

class TestDevChoose : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // One row per call: "valid", "split" (parts joined by '|'), "combine" (parts given joined by '|'),
    // "strip0"/"stripx" (removePreChar with '0' or 'x').
    void addressFunctions_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("result");
        const char *const rows[][2] = {
            {"valid",
             "192.168.1.10>1;0.0.0.0>1;255.255.255.255>1;001.02.3.004>1;200.249.199.99>1;10.0.0.1\n>1;"
             "256.1.1.1>0;1.1.1.260>0;1.2.3>0;1.2.3.4.5>0;>0; 1.2.3.4>0;1.2.3.4 >0;1.2.3.4\n\n>0;1.2.3.4\r\n>0;"
             "1.2.3.0004>0;2001.2.3.4>0;1..2.3>0;-1.2.3.4>0;\xd9\xa1.2.3.4>0;192.168.1.10:5025>0"},
            {"split", "192.168.001.010>192|168|001|010;256.1.1.1>25|6|1|1|1;1234>123|4;a.b.c.d>;1a22b255>1|22|255;"
                      "300>30|0;0199>019|9; 10 . 0 .0. 7\n>10|0|0|7"},
            {"combine", "192|168|001|010>192.168.1.10;000|00|0|010>0.0.0.10;1||3|4>1..3.4;25|6|1|1|1>;1|2|3>;"
                        "0abc|999|x|%1>abc.999.x.%1;100|101|10|0100>100.101.10.100"},
            {"strip0", "007>7;000>0;0>0;>;100>100;070>70;00.5>0.5;0.5>0.5;000.>0.;0a>a"},
            {"stripx", "xxab>ab;Xxab>Xxab;xxxx>x;x.x>x.x"}};
        for (const auto &row : rows)
            for (const QString &pair : QString::fromUtf8(row[1]).split(';')) {
                const QString input = pair.section('>', 0, 0);
                QTest::addRow("%s %s", row[0], qPrintable(input)) << row[0] << input << pair.section('>', 1);
            }
    }

    void addressFunctions()
    {
        QFETCH(QString, function);
        QFETCH(QString, input);
        VisaIOParam param;
        DlgDevChoose d(param, {});
        QTEST(function == "valid"     ? QString::number(d.isValidIPAddress(input))
              : function == "split"   ? QStringList(d.splitIPAddress(input)).join('|')
              : function == "combine" ? d.combineIPAddress(input.split('|'))
                                      : d.removePreChar(input, function.at(5).toLatin1()),
              "result");
    }

    // The fields a host can reach ("*"), the lists the dialog fills (text=value), the port field and the suggestions
    // for the address.
    void interfaceFacts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        for (
            const char *row :
            {"*|buttonBox:QDialogButtonBox cbRS232BaudRate:QComboBox cbRS232Databits:QComboBox cbRS232Parity:QComboBox "
             "cbRS232Stopbits:QComboBox cbbLANMode:QComboBox edtLANIP:QLineEdit groupBox:QGroupBox rbGPIB:QRadioButton "
             "rbLAN:QRadioButton rbRS232:QRadioButton rbUSB:QRadioButton sbLANPort:QSpinBox tabWidget:QTabWidget",
             "cbRS232BaudRate|4800=4800 7200=7200 9600=9600 14400=14400 19200=19200 38400=38400 57600=57600 "
             "115200=115200 128000=128000 editable",
             "cbRS232Databits|5=5 6=6 7=7 8=8", "cbRS232Stopbits|1=10 1.5=15 2=20",
             "cbRS232Parity|None=0 Odd=1 Even=2 Mark=3 Space=4", "cbbLANMode|INSTR=0 SOCKET=1 HiSLIP=2",
             "sbLANPort|no arrows", "edtLANIP|192.168.1.10 10.0.0.25"})
            QTest::newRow(row) << QString(row).section('|', 0, 0) << QString(row).section('|', 1);
    }

    void interfaceFacts()
    {
        QFETCH(QString, name);
        VisaIOParam param;
        DlgDevChoose dialog(param, {"192.168.1.10", "10.0.0.25"});
        QStringList value;
        for (QWidget *w :
             dialog.findChildren<QWidget *>(QRegularExpression(QStringLiteral("^(?!qt_|label|tab_|tab$)[a-z]"))))
            value << (name == "*" ? w->objectName() + ':' + w->metaObject()->className() : QString());
        value.removeAll(QString());
        value.sort();
        if (auto *box = dialog.findChild<QComboBox *>(name)) {
            for (int i = 0; i < box->count(); ++i)
                value << QStringLiteral("%1=%2").arg(box->itemText(i)).arg(box->itemData(i).toInt());
            value << QLatin1String(box->isEditable() ? "editable" : nullptr);
        }
        if (auto *spin = dialog.findChild<QSpinBox *>(name))
            value << QLatin1String(spin->buttonSymbols() == QAbstractSpinBox::NoButtons ? "no arrows" : "arrows");
        if (auto *edit = dialog.findChild<QLineEdit *>(name))
            value << qobject_cast<QStringListModel *>(edit->completer()->model())->stringList();
        QTEST(value.join(' ').trimmed(), "value");
    }

    // Each row: record() changes; the actions; the changes the record has at the end; how the dialog ended. Actions:
    // "ok", "esc", "unchanged" (dialog open, record as given), "lang" (a language change), "next" (port 8000, LAN mode
    // and parity to their next item), "steer" ("lang click:rbLAN ok"), "doom" (accept, and the host deletes the dialog
    // once a message box shows), "click:W", "type:W=text" (W's text replaced), "keys:W=text", "down:W", "up:W",
    // "enter:W", "delete:W", "rename:W=text" (of the current item), and "W=text" (W shows text, see shown()).
    void dialogDriven_data()
    {
        QTest::addColumn<QStringList>("row"); // changes|actions|changes at the end|how it ended
        for (const char *row :
             {"shows the record||edtLANIP=1.2.3.4 cbbLANMode=SOCKET sbLANPort=5025 cbRS232BaudRate=115200 "
              "cbRS232Databits=7 cbRS232Stopbits=2 cbRS232Parity=Even rbLAN=on rbUSB=off tabWidget=1 "
              "qt_tabwidget_tabbar=(hidden) ok||accepted",
              "unknown values select nothing and store 0|intf=4 lan=9 port=-80 baud=12345 data=0 stop=1 "
              "parity=-3|cbbLANMode= sbLANPort=0(off) cbRS232BaudRate= cbRS232Databits= cbRS232Stopbits= "
              "cbRS232Parity= ok|lan=0 port=0 baud=0 data=0 stop=0 parity=0|accepted",
              "port of ten digits|port=1000000000|sbLANPort=999999999 ok|port=999999999|accepted",
              "most negative port|port=-2147483648|sbLANPort=0 ok|port=0|accepted",
              "USB|intf=7 addr=abc|rbUSB=on tabWidget=0 ok||accepted",
              "RS232, address as it stands|intf=4 addr=010.0.0.1|rbRS232=on tabWidget=2 ok||accepted",
              "GPIB hidden and kept|intf=1 addr=300.0.0.1|rbGPIB=on(hidden) tabWidget=3(hidden) ok||accepted",
              "unknown interface kept|intf=2|rbUSB=on tabWidget=0 ok||accepted",
              "interface written at once|intf=7|click:rbLAN tabWidget=1 click:rbRS232 tabWidget=2 click:rbUSB "
              "tabWidget=0 click:rbLAN type:edtLANIP=10.9.9.9 type:sbLANPort=1234 esc|intf=6|rejected",
              "port follows the LAN mode|lan=0|sbLANPort=5025(off) down:cbbLANMode sbLANPort=5025 type:sbLANPort=4880 "
              "down:cbbLANMode sbLANPort=4880(off) up:cbbLANMode ok|lan=1 port=4880|accepted",
              "LAN address without leading zeros|addr=192.168.001.010|ok|addr=192.168.1.10|accepted",
              "invalid LAN address|addr=300.1.1.1|type:sbLANPort=8000 ok unchanged edtLANIP=[300.1.1.1] "
              "keys:edtLANIP=10.020.3.4 ok|addr=10.20.3.4 port=8000|accepted box",
              "baud rate off the list||type:cbRS232BaudRate=230400 ok|baud=230400|accepted",
              "baud rate item the host renamed|baud=4800|rename:cbRS232BaudRate=4800Bd ok|baud=4800|accepted",
              "baud rate and Enter||type:cbRS232BaudRate=250000 enter:cbRS232BaudRate|baud=250000|accepted",
              "letters refused||type:cbRS232BaudRate=12a0b0 cbRS232BaudRate=1200 ok|baud=1200|accepted",
              "baud rate cleared||type:cbRS232BaudRate= ok|baud=0|accepted",
              "baud rate beyond 32 bits||type:cbRS232BaudRate=9999999999 ok|baud=0|accepted",
              "nothing deleted|intf=4 addr=010.0.0.1|next steer|intf=6 addr=10.0.0.1 lan=2 port=8000 parity=3|accepted",
              "address field deleted|intf=4 addr=300.1.1.1|next delete:edtLANIP steer|intf=6 lan=2 port=8000 "
              "parity=3|accepted",
              "LAN mode deleted|intf=4|next delete:cbbLANMode steer|intf=6 port=8000 parity=3|accepted",
              "port deleted|intf=4|next delete:sbLANPort steer|intf=6 lan=2 parity=3|accepted",
              "parity deleted|intf=4|next delete:cbRS232Parity steer|intf=6 lan=2 port=8000|accepted",
              "pages deleted|intf=4|next delete:tabWidget steer|intf=6|accepted",
              "dialog deleted under its message box|intf=4 addr=300.1.1.1|next click:rbLAN doom|intf=6|deleted box"}) {
            const QString f = QString(row)
                                  .replace("next", "type:sbLANPort=8000 down:cbbLANMode down:cbRS232Parity")
                                  .replace("steer", "lang click:rbLAN ok");
            QTest::newRow(qPrintable(f.section('|', 0, 0))) << QStringList(f.split('|').mid(1));
        }
    }

    void dialogDriven()
    {
        QFETCH(QStringList, row);
        VisaIOParam param = record(row[0]);
        const VisaIOParam before = param;
        QPointer<DlgDevChoose> dialog = new DlgDevChoose(param, {});
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        const std::shared_ptr<void> reaper(nullptr, [&dialog](void *) { delete dialog.data(); });
        QString box;
        QEvent languageChange(QEvent::LanguageChange);
        for (const QString &action : row[1].split(' ', Qt::SkipEmptyParts)) {
            const QString head = action.section('=', 0, 0), text = action.section('=', 1);
            const QString verb = head.contains(':') ? head.section(':', 0, 0) : QString();
            QWidget *w = dialog->findChild<QWidget *>(head.section(':', -1));
            if (action.contains(':') || action.contains('='))
                QVERIFY2(w, qPrintable(action));
            // The next modal message box: which it was (the dialog's untitled information box about the address?); then
            // OK, or for "doom" the host deletes the dialog under it (the box is its child).
            if (action == "ok" || action == "doom" || verb == "enter")
                QTimer::singleShot(0, dialog, [dialog, &box, doom = action == "doom"]() {
                    if (auto *b = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                        box = b->windowTitle().isEmpty() && b->icon() == QMessageBox::Information
                                   && b->parentWidget() == dialog && b->standardButtons() == QMessageBox::Ok
                                   && b->text() == "The IP address is invalid."
                                ? " box"
                                : " unexpected box";
                        doom ? delete dialog.data() : b->button(QMessageBox::Ok)->click();
                    }
                });
            if (action == "ok")
                QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                                  Qt::LeftButton);
            else if (action == "esc")
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (action == "unchanged")
                QCOMPARE(dump(param) + QLatin1String(dialog->isVisible() ? "" : " closed"), dump(before));
            else if (action == "lang")
                QApplication::sendEvent(dialog, &languageChange);
            else if (action == "doom")
                dialog->accept();
            else if (verb.isEmpty())
                QCOMPARE(shown(w), text);
            else if (verb == "click")
                QTest::mouseClick(w, Qt::LeftButton);
            else if (verb == "delete")
                delete w;
            else if (verb == "rename")
                static_cast<QComboBox *>(w)->setItemText(static_cast<QComboBox *>(w)->currentIndex(), text);
            else if (verb == "type" || verb == "keys") { // as a user would, "type" replacing the text first
                if (auto *list = qobject_cast<QComboBox *>(w))
                    list->completer()->setCompletionMode(QCompleter::PopupCompletion); // the keys alone decide
                auto *edit = qobject_cast<QLineEdit *>(w) ? static_cast<QLineEdit *>(w) : w->findChild<QLineEdit *>();
                edit->setFocus();
                if (verb == "type")
                    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier), QTest::keyClick(edit, Qt::Key_Backspace);
                QTest::keyClicks(edit, text);
            } else
                QTest::keyClick(w, verb == "down" ? Qt::Key_Down : verb == "up" ? Qt::Key_Up : Qt::Key_Return);
            if (!dialog)
                break;
        }
        const QString end = !dialog             ? "deleted"
                          : dialog->isVisible() ? "open"
                          : dialog->result()    ? "accepted"
                                                : "rejected";
        QCOMPARE(end + box, row[3]);
        QCOMPARE(dump(param), dump(record(row[0] + ' ' + row[2])));
        QVERIFY(!dialog || &dialog->equipIOParam() == &param);
    }

    // Retranslating puts the form's own title and address back: the user's address, where the cursor stands in it, and
    // a title the host set stay; then the event goes on to QDialog. getChilds() walks depth first (the walk is tested
    // with cycles in util).
    void changeEventAndGetChilds()
    {
        VisaIOParam param;
        DlgDevChoose dialog(param, {}), titled(param, {});
        titled.setWindowTitle(QStringLiteral("Bench supply"));
        auto *address = dialog.findChild<QLineEdit *>(QStringLiteral("edtLANIP"));
        address->setText(QStringLiteral("10.0.0.099"));
        address->setCursorPosition(3);
        QEvent languageChange(QEvent::LanguageChange), fontChange(QEvent::FontChange);
        for (int round = 0; round < 2; ++round) {
            QApplication::sendEvent(&dialog, &languageChange);
            QApplication::sendEvent(&titled, &languageChange);
            QCOMPARE(QStringList({dialog.windowTitle(), titled.windowTitle(), address->text()}).join('|')
                         + QString::number(address->cursorPosition()),
                     QStringLiteral("Port Type|Bench supply|10.0.0.0993"));
        }
        // The event reaches QDialog (QWidget), whose handling of a font change redoes the layout.
        dialog.layout()->activate();
        QVERIFY(!dialog.layout()->activate());
        QApplication::sendEvent(&dialog, &fontChange);
        QVERIFY(dialog.layout()->activate());
        QObject root, sentinel;
        auto *a = new QObject(&root);
        QObject *a1 = new QObject(a), *a2 = new QObject(a), *a1x = new QObject(a1), *b = new QObject(&root);
        QList<QObject *> list{&sentinel};
        for (QObject *from : {&root, static_cast<QObject *>(nullptr), a1x})
            dialog.getChilds(from, list);
        QCOMPARE(list, (QList<QObject *>{&sentinel, a, a1, a1x, a2, b}));
    }
};

QTEST_MAIN(TestDevChoose)
#include "tst_devchoose.moc"
