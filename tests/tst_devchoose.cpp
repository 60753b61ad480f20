// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Tests of the instrument connection dialog: the address functions, the
// designer form, and the dialog driven by mouse and keyboard.
#include "testsupport.h"

#include <widget/dlgdevchoose.h>

#include "ui_dlgdevchoose.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <limits>
#include <memory>

using rilo::measure::io::visa::VisaIOInfo;
using rilo::measure::io::visa::VisaIOParam;
using rilo::measure::io::visa::VisaSerial;
using rilo::widget::DlgDevChoose;

Q_DECLARE_METATYPE(QList<QString>)

namespace {

const QStringList kSuggestions{QStringLiteral("192.168.1.10"), QStringLiteral("192.168.1.77"),
                               QStringLiteral("10.0.0.25")};

// A record whose every member differs from what the tests set in the dialog.
VisaIOParam lanRecord(const QString &address)
{
    VisaIOParam param;
    param.resourceName = QStringLiteral("untouched");
    param.intfType = VisaIOInfo::kTcpip;
    param.ipAddress = address;
    param.lanType = VisaIOInfo::kSOCKET;
    param.port = 5025;
    param.baudRate = 115200;
    param.dataBits = VisaSerial::kBits7;
    param.stopBits = VisaSerial::kTwo;
    param.parity = VisaSerial::kEven;
    return param;
}

bool sameRecord(const VisaIOParam &a, const VisaIOParam &b)
{
    return a.resourceName == b.resourceName && a.intfType == b.intfType && a.ipAddress == b.ipAddress
        && a.lanType == b.lanType && a.port == b.port && a.baudRate == b.baudRate && a.dataBits == b.dataBits
        && a.stopBits == b.stopBits && a.parity == b.parity;
}

template <typename T>
T *child(QObject *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qWarning("no child %s", name);
    return widget;
}

QPushButton *dialogButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    return child<QDialogButtonBox>(dialog, "buttonBox")->button(which);
}

// Replaces the text of a line edit as a user would: select all, type.
void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

// What a message box that popped up looked like, recorded from a timer.
struct SeenBox
{
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget *parent = nullptr;
};

// Arms a timer that closes the next modal message box with OK and records it.
void closeNextMessageBox(SeenBox *seen)
{
    QTimer::singleShot(0, [seen]() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen->seen = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->standardButtons();
        seen->parent = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
}

// Position of a widget or layout in a grid layout, as "row,column,rowSpan,columnSpan".
QString cellOf(QGridLayout *grid, QObject *item)
{
    for (int i = 0; i < grid->count(); ++i) {
        QLayoutItem *entry = grid->itemAt(i);
        if (entry->widget() == item || entry->layout() == item) {
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            return QStringLiteral("%1,%2,%3,%4").arg(row).arg(column).arg(rowSpan).arg(columnSpan);
        }
    }
    return QStringLiteral("absent");
}

QStringList itemTexts(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QList<int> itemValues(const QComboBox *box)
{
    QList<int> values;
    for (int i = 0; i < box->count(); ++i)
        values << box->itemData(i).toInt();
    return values;
}

} // namespace

class TestDevChoose : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rilotest::useTestFont(); }
    void cleanup() { RILO_CHECK_NO_TOPLEVELS(); }

    // Address functions
    void addressPatternAcceptsWholeAddressesOnly_data();
    void addressPatternAcceptsWholeAddressesOnly();
    void splitFindsOctetsLeftToRight_data();
    void splitFindsOctetsLeftToRight();
    void combineDropsLeadingZerosOfExactlyFourParts_data();
    void combineDropsLeadingZerosOfExactlyFourParts();
    void removePreCharStripsLeadingRunOnly_data();
    void removePreCharStripsLeadingRunOnly();

    // Form
    void formBuildsUsbChoiceWithEmptyLists();
    void formKeepsExistingObjectName();
    void formButtonBoxAcceptsAndRejects();
    void formPlacesWidgetsInTheirCells_data();
    void formPlacesWidgetsInTheirCells();
    void formSetsTextsAndSizes();

    // Dialog construction
    void metaObjectDeclaresSlotsInOrder();
    void radioButtonsCarryInterfaceAndPage_data();
    void radioButtonsCarryInterfaceAndPage();
    void listsFollowEnumerationMetaObjects();
    void recordInterfaceChecksItsButton_data();
    void recordInterfaceChecksItsButton();
    void recordValuesAreSelected();
    void portFieldKeepsZeroToNineDigits_data();
    void portFieldKeepsZeroToNineDigits();
    void unknownRecordValuesSelectNothingAndStoreZero();
    void lanModeEnablesPortOnlyForSocket_data();
    void lanModeEnablesPortOnlyForSocket();
    void completerOffersSuggestions();
    void getChildsListsDescendantsDepthFirst();

    // Dialog driven by the user
    void checkingInterfaceWritesItAtOnce();
    void userChangesLanModeAndPortField();
    void cancelKeepsChosenInterfaceOnly();
    void okStoresNormalisedAddressAndAllMembers();
    void invalidAddressKeepsDialogOpen();
    void usbStoresAddressUnchecked();
    void gpibRecordWritesMembersAndKeepsInterface();
    void baudRateFieldStoresWhatUserSees_data();
    void baudRateFieldStoresWhatUserSees();
    void execReturnsAcceptedAfterUserConfirms();
};

// ---------------------------------------------------------------------------
// Address functions

void TestDevChoose::addressPatternAcceptsWholeAddressesOnly_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("valid");

    QTest::newRow("typical") << "192.168.1.10" << true;
    QTest::newRow("all zero") << "0.0.0.0" << true;
    QTest::newRow("all 255") << "255.255.255.255" << true;
    QTest::newRow("leading zeros") << "001.02.3.004" << true;
    QTest::newRow("200-249") << "200.249.199.99" << true;
    QTest::newRow("final line feed") << "10.0.0.1\n" << true;
    QTest::newRow("256") << "256.1.1.1" << false;
    QTest::newRow("260") << "1.1.1.260" << false;
    QTest::newRow("three octets") << "1.2.3" << false;
    QTest::newRow("five octets") << "1.2.3.4.5" << false;
    QTest::newRow("letters") << "a.b.c.d" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("space before") << " 1.2.3.4" << false;
    QTest::newRow("space after") << "1.2.3.4 " << false;
    QTest::newRow("two line feeds") << "1.2.3.4\n\n" << false;
    QTest::newRow("carriage return") << "1.2.3.4\r\n" << false;
    QTest::newRow("four digits") << "1.2.3.0004" << false;
    QTest::newRow("leading two") << "2001.2.3.4" << false;
    QTest::newRow("double dot") << "1..2.3" << false;
    QTest::newRow("trailing dot") << "1.2.3.4." << false;
    QTest::newRow("comma") << "1,2,3,4" << false;
    QTest::newRow("negative") << "-1.2.3.4" << false;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\xd9\xa1.2.3.4") << false;
    QTest::newRow("with port") << "192.168.1.10:5025" << false;
}

void TestDevChoose::addressPatternAcceptsWholeAddressesOnly()
{
    QFETCH(QString, address);
    QFETCH(bool, valid);
    VisaIOParam param;
    DlgDevChoose dialog(param, {});
    QCOMPARE(dialog.isValidIPAddress(address), valid);
}

void TestDevChoose::splitFindsOctetsLeftToRight_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QList<QString>>("parts");

    QTest::newRow("leading zeros") << "192.168.001.010" << QList<QString>{"192", "168", "001", "010"};
    QTest::newRow("256 gives five") << "256.1.1.1" << QList<QString>{"25", "6", "1", "1", "1"};
    QTest::newRow("1234") << "1234" << QList<QString>{"123", "4"};
    QTest::newRow("no digits") << "a.b.c.d" << QList<QString>{};
    QTest::newRow("empty") << "" << QList<QString>{};
    QTest::newRow("letters between") << "1a22b255" << QList<QString>{"1", "22", "255"};
    QTest::newRow("300") << "300" << QList<QString>{"30", "0"};
    QTest::newRow("0199") << "0199" << QList<QString>{"019", "9"};
    QTest::newRow("line feed skipped") << "1.2.3.4\n" << QList<QString>{"1", "2", "3", "4"};
    QTest::newRow("spaces skipped") << " 10 . 0 .0. 7 " << QList<QString>{"10", "0", "0", "7"};
}

void TestDevChoose::splitFindsOctetsLeftToRight()
{
    QFETCH(QString, address);
    QFETCH(QList<QString>, parts);
    VisaIOParam param;
    DlgDevChoose dialog(param, {});
    QCOMPARE(dialog.splitIPAddress(address), parts);
}

void TestDevChoose::combineDropsLeadingZerosOfExactlyFourParts_data()
{
    QTest::addColumn<QList<QString>>("parts");
    QTest::addColumn<QString>("combined");

    QTest::newRow("leading zeros") << QList<QString>{"192", "168", "001", "010"} << "192.168.1.10";
    QTest::newRow("zeros") << QList<QString>{"000", "00", "0", "010"} << "0.0.0.10";
    QTest::newRow("empty part") << QList<QString>{"1", "", "3", "4"} << "1..3.4";
    QTest::newRow("four empty") << QList<QString>{"", "", "", ""} << "...";
    QTest::newRow("five parts") << QList<QString>{"25", "6", "1", "1", "1"} << "";
    QTest::newRow("three parts") << QList<QString>{"1", "2", "3"} << "";
    QTest::newRow("none") << QList<QString>{} << "";
    QTest::newRow("not checked") << QList<QString>{"0abc", "999", "x", "%1"} << "abc.999.x.%1";
    QTest::newRow("inner zeros stay") << QList<QString>{"100", "101", "10", "0100"} << "100.101.10.100";
}

void TestDevChoose::combineDropsLeadingZerosOfExactlyFourParts()
{
    QFETCH(QList<QString>, parts);
    QFETCH(QString, combined);
    VisaIOParam param;
    DlgDevChoose dialog(param, {});
    QCOMPARE(dialog.combineIPAddress(parts), combined);
}

void TestDevChoose::removePreCharStripsLeadingRunOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("ch");
    QTest::addColumn<QString>("result");

    QTest::newRow("007") << "007" << '0' << "7";
    QTest::newRow("000") << "000" << '0' << "0";
    QTest::newRow("0") << "0" << '0' << "0";
    QTest::newRow("empty") << "" << '0' << "";
    QTest::newRow("100") << "100" << '0' << "100";
    QTest::newRow("070") << "070" << '0' << "70";
    QTest::newRow("00.5") << "00.5" << '0' << "0.5";
    QTest::newRow("0.5") << "0.5" << '0' << "0.5";
    QTest::newRow("000.") << "000." << '0' << "0.";
    QTest::newRow("00") << "00" << '0' << "0";
    QTest::newRow("other character") << "xxab" << 'x' << "ab";
    QTest::newRow("case-sensitive") << "Xxab" << 'x' << "Xxab";
    QTest::newRow("only run of x") << "xxxx" << 'x' << "x";
    QTest::newRow("0a keeps last") << "0a" << '0' << "a";
    QTest::newRow("x before dot") << "x.x" << 'x' << "x.x";
}

void TestDevChoose::removePreCharStripsLeadingRunOnly()
{
    QFETCH(QString, text);
    QFETCH(char, ch);
    QFETCH(QString, result);
    VisaIOParam param;
    DlgDevChoose dialog(param, {});
    QCOMPARE(dialog.removePreChar(text, ch), result);
}

// ---------------------------------------------------------------------------
// Form

void TestDevChoose::formBuildsUsbChoiceWithEmptyLists()
{
    QDialog dialog;
    Ui_DlgDevChoose ui;
    ui.setupUi(&dialog);

    QCOMPARE(dialog.objectName(), QStringLiteral("DlgDevChoose"));
    QCOMPARE(dialog.size(), QSize(280, 240));
    QVERIFY(ui.rbUSB->isChecked());
    QVERIFY(!ui.rbLAN->isChecked());
    QVERIFY(!ui.rbRS232->isChecked());
    QVERIFY(!ui.rbGPIB->isChecked());
    QCOMPARE(ui.tabWidget->currentIndex(), 0);
    QCOMPARE(ui.tabWidget->count(), 4);
    QCOMPARE(ui.sbLANPort->value(), 5025);
    QCOMPARE(ui.sbLANPort->minimum(), 0);
    QCOMPARE(ui.sbLANPort->maximum(), 999999999);
    QCOMPARE(ui.edtLANIP->text(), QStringLiteral("127.0.0.1"));
    QVERIFY(ui.edtLANIP->placeholderText().isEmpty());
    for (QComboBox *box : {ui.cbbLANMode, ui.cbRS232BaudRate, ui.cbRS232Databits, ui.cbRS232Stopbits,
                           ui.cbRS232Parity})
        QCOMPARE(box->count(), 0);

    // The radio buttons share the group box and exclude each other.
    for (QRadioButton *rb : {ui.rbUSB, ui.rbLAN, ui.rbRS232, ui.rbGPIB})
        QCOMPARE(rb->parentWidget(), ui.groupBox);
    ui.rbRS232->setChecked(true);
    QVERIFY(!ui.rbUSB->isChecked());
}

void TestDevChoose::formKeepsExistingObjectName()
{
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("hostName"));
    Ui_DlgDevChoose ui;
    ui.setupUi(&dialog);
    QCOMPARE(dialog.objectName(), QStringLiteral("hostName"));
}

void TestDevChoose::formButtonBoxAcceptsAndRejects()
{
    QDialog dialog;
    Ui_DlgDevChoose ui;
    ui.setupUi(&dialog);
    QCOMPARE(ui.buttonBox->orientation(), Qt::Horizontal);
    QCOMPARE(ui.buttonBox->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(ui.buttonBox->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    dialog.show();
    QTest::mouseClick(ui.buttonBox->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestDevChoose::formPlacesWidgetsInTheirCells_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("parent");

    const struct
    {
        const char *name, *grid, *cell, *parent;
    } rows[] = {
        {"groupBox", "gridLayout", "0,0,1,1", "DlgDevChoose"},
        {"tabWidget", "gridLayout", "1,0,1,1", "DlgDevChoose"},
        {"buttonBox", "gridLayout", "2,0,1,1", "DlgDevChoose"},
        {"rbUSB", "gridLayout_2", "0,0,1,1", "groupBox"},
        {"rbLAN", "gridLayout_2", "0,1,1,1", "groupBox"},
        {"rbRS232", "gridLayout_2", "0,2,1,1", "groupBox"},
        {"rbGPIB", "gridLayout_2", "0,3,1,1", "groupBox"},
        {"gridLayout_5", "gridLayout_6", "0,0,1,1", ""},
        {"label", "gridLayout_5", "0,0,1,1", "tab_4"},
        {"edtLANIP", "gridLayout_5", "0,1,1,1", "tab_4"},
        {"label_2", "gridLayout_5", "1,0,1,1", "tab_4"},
        {"cbbLANMode", "gridLayout_5", "1,1,1,1", "tab_4"},
        {"label_4", "gridLayout_5", "2,0,1,1", "tab_4"},
        {"sbLANPort", "gridLayout_5", "2,1,1,1", "tab_4"},
        {"gridLayout_3", "gridLayout_4", "0,0,1,1", ""},
        {"label_3", "gridLayout_3", "0,0,1,1", "tab_5"},
        {"cbRS232BaudRate", "gridLayout_3", "0,1,1,1", "tab_5"},
        {"label_5", "gridLayout_3", "1,0,1,1", "tab_5"},
        {"cbRS232Databits", "gridLayout_3", "1,1,1,1", "tab_5"},
        {"label_7", "gridLayout_3", "2,0,1,1", "tab_5"},
        {"cbRS232Stopbits", "gridLayout_3", "2,1,1,1", "tab_5"},
        {"label_6", "gridLayout_3", "3,0,1,1", "tab_5"},
        {"cbRS232Parity", "gridLayout_3", "3,1,1,1", "tab_5"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.name << row.grid << row.cell << row.parent;
}

void TestDevChoose::formPlacesWidgetsInTheirCells()
{
    QFETCH(QString, name);
    QFETCH(QString, grid);
    QFETCH(QString, cell);
    QFETCH(QString, parent);

    VisaIOParam param;
    DlgDevChoose dialog(param, {});
    auto *layout = dialog.findChild<QGridLayout *>(grid);
    QVERIFY(layout);
    QObject *item = dialog.findChild<QObject *>(name);
    QVERIFY(item);
    QCOMPARE(cellOf(layout, item), cell);
    if (auto *widget = qobject_cast<QWidget *>(item)) {
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(int(layout->itemAt(layout->indexOf(widget))->alignment()), 0);
    }
}

void TestDevChoose::formSetsTextsAndSizes()
{
    VisaIOParam param;
    DlgDevChoose dialog(param, {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Port Type"));
    QCOMPARE(dialog.size(), QSize(280, 240));
    QVERIFY(child<QGroupBox>(&dialog, "groupBox")->title().isEmpty());

    const struct
    {
        const char *name, *text;
    } labels[] = {
        {"label", "IP Address"}, {"label_2", "Mode"},    {"label_4", "Port"},     {"label_3", "Baudrate"},
        {"label_5", "Databits"}, {"label_7", "Stopbits"}, {"label_6", "Parity"},
    };
    for (const auto &entry : labels) {
        QLabel *label = child<QLabel>(&dialog, entry.name);
        QVERIFY(label);
        QCOMPARE(label->text(), QString::fromLatin1(entry.text));
        QCOMPARE(label->maximumSize(), QSize(70, QWIDGETSIZE_MAX));
    }
    const struct
    {
        const char *name, *text;
    } radios[] = {{"rbUSB", "USB"}, {"rbLAN", "LAN"}, {"rbRS232", "RS232"}, {"rbGPIB", "GPIB"}};
    for (const auto &entry : radios)
        QCOMPARE(child<QRadioButton>(&dialog, entry.name)->text(), QString::fromLatin1(entry.text));

    auto *tabs = child<QTabWidget>(&dialog, "tabWidget");
    QCOMPARE(tabs->minimumSize(), QSize(0, 1));
    const struct
    {
        const char *name, *text;
        QSize minimum;
    } pages[] = {{"tab_3", "USB", QSize(0, 1)},
                 {"tab_4", "LAN", QSize(0, 1)},
                 {"tab_5", "RS232", QSize(0, 1)},
                 {"tab", "GPIB", QSize(0, 0)}};
    for (int i = 0; i < 4; ++i) {
        QWidget *page = tabs->widget(i);
        QCOMPARE(page->objectName(), QString::fromLatin1(pages[i].name));
        QCOMPARE(tabs->tabText(i), QString::fromLatin1(pages[i].text));
        QCOMPARE(page->minimumSize(), pages[i].minimum);
    }
}

// ---------------------------------------------------------------------------
// Dialog construction

void TestDevChoose::metaObjectDeclaresSlotsInOrder()
{
    const QMetaObject &meta = DlgDevChoose::staticMetaObject;
    QCOMPARE(meta.className(), "rilo::widget::DlgDevChoose");
    QCOMPARE(meta.superClass(), &QDialog::staticMetaObject);
    QCOMPARE(meta.propertyCount(), meta.propertyOffset());
    QCOMPARE(meta.enumeratorCount(), meta.enumeratorOffset());

    QStringList signatures;
    QList<QList<QByteArray>> names;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        signatures << QString::fromLatin1(method.methodSignature());
        names << method.parameterNames();
    }
    QCOMPARE(signatures, (QStringList{"accept()", "slotRbToggled(bool)", "on_cbbLANMode_currentIndexChanged(int)"}));
    QCOMPARE(names.at(1), QList<QByteArray>{"checked"});
    QCOMPARE(names.at(2), QList<QByteArray>{"index"});
    QCOMPARE(meta.method(meta.indexOfSlot("accept()")).access(), QMetaMethod::Public);
    QCOMPARE(meta.method(meta.indexOfSlot("slotRbToggled(bool)")).access(), QMetaMethod::Private);
}

void TestDevChoose::radioButtonsCarryInterfaceAndPage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("index");
    QTest::newRow("USB") << "rbUSB" << 7 << 0;
    QTest::newRow("LAN") << "rbLAN" << 6 << 1;
    QTest::newRow("RS232") << "rbRS232" << 4 << 2;
    QTest::newRow("GPIB") << "rbGPIB" << 1 << 3;
}

void TestDevChoose::radioButtonsCarryInterfaceAndPage()
{
    QFETCH(QString, name);
    QFETCH(int, port);
    QFETCH(int, index);
    VisaIOParam param;
    DlgDevChoose dialog(param, {});
    auto *rb = dialog.findChild<QRadioButton *>(name);
    QVERIFY(rb);
    const QVariant portValue = rb->property("Port");
    QCOMPARE(portValue.userType(), qMetaTypeId<VisaIOInfo::IntfType>());
    QCOMPARE(int(portValue.value<VisaIOInfo::IntfType>()), port);
    QCOMPARE(rb->property("Index"), QVariant(index));
}

void TestDevChoose::listsFollowEnumerationMetaObjects()
{
    VisaIOParam param;
    DlgDevChoose dialog(param, {});

    auto *baud = child<QComboBox>(&dialog, "cbRS232BaudRate");
    QCOMPARE(itemTexts(baud), (QStringList{"4800", "7200", "9600", "14400", "19200", "38400", "57600", "115200",
                                           "128000"}));
    QCOMPARE(itemValues(baud), (QList<int>{4800, 7200, 9600, 14400, 19200, 38400, 57600, 115200, 128000}));
    QVERIFY(baud->isEditable());

    auto *dataBits = child<QComboBox>(&dialog, "cbRS232Databits");
    QCOMPARE(itemTexts(dataBits), (QStringList{"5", "6", "7", "8"}));
    QCOMPARE(itemValues(dataBits), (QList<int>{5, 6, 7, 8}));
    QCOMPARE(dataBits->itemData(0).userType(), qMetaTypeId<VisaSerial::DataBits>());

    auto *stopBits = child<QComboBox>(&dialog, "cbRS232Stopbits");
    QCOMPARE(itemTexts(stopBits), (QStringList{"1", "1.5", "2"}));
    QCOMPARE(itemValues(stopBits), (QList<int>{10, 15, 20}));
    QCOMPARE(stopBits->itemData(1).userType(), qMetaTypeId<VisaSerial::StopBits>());

    auto *parity = child<QComboBox>(&dialog, "cbRS232Parity");
    QCOMPARE(itemTexts(parity), (QStringList{"None", "Odd", "Even", "Mark", "Space"}));
    QCOMPARE(itemValues(parity), (QList<int>{0, 1, 2, 3, 4}));

    auto *lanMode = child<QComboBox>(&dialog, "cbbLANMode");
    QCOMPARE(itemTexts(lanMode), (QStringList{"INSTR", "SOCKET", "HiSLIP"}));
    QCOMPARE(itemValues(lanMode), (QList<int>{0, 1, 2}));

    auto *port = child<QSpinBox>(&dialog, "sbLANPort");
    QCOMPARE(port->buttonSymbols(), QAbstractSpinBox::NoButtons);
}

void TestDevChoose::recordInterfaceChecksItsButton_data()
{
    QTest::addColumn<int>("intfType");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("pageVisible");

    QTest::newRow("USB") << 7 << "rbUSB" << 0 << true;
    QTest::newRow("LAN") << 6 << "rbLAN" << 1 << true;
    QTest::newRow("RS232") << 4 << "rbRS232" << 2 << true;
    QTest::newRow("GPIB (hidden)") << 1 << "rbGPIB" << 3 << false;
    QTest::newRow("zero") << 0 << "rbUSB" << 0 << true;
    QTest::newRow("VXI code") << 2 << "rbUSB" << 0 << true;
    QTest::newRow("negative") << -1 << "rbUSB" << 0 << true;
    QTest::newRow("large") << 123456 << "rbUSB" << 0 << true;
}

void TestDevChoose::recordInterfaceChecksItsButton()
{
    QFETCH(int, intfType);
    QFETCH(QString, checked);
    QFETCH(int, page);
    QFETCH(bool, pageVisible);

    VisaIOParam param;
    param.intfType = static_cast<VisaIOInfo::IntfType>(intfType);
    DlgDevChoose dialog(param, kSuggestions);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const auto buttons = dialog.findChildren<QRadioButton *>();
    QCOMPARE(buttons.size(), 4);
    for (QRadioButton *rb : buttons)
        QCOMPARE(rb->isChecked(), rb->objectName() == checked);
    auto *tabs = child<QTabWidget>(&dialog, "tabWidget");
    QCOMPARE(tabs->currentIndex(), page);
    QCOMPARE(tabs->currentWidget()->isVisible(), pageVisible);
    QVERIFY(!tabs->tabBar()->isVisible());
    QVERIFY(!child<QRadioButton>(&dialog, "rbGPIB")->isVisible());
    QVERIFY(child<QRadioButton>(&dialog, "rbUSB")->isVisible());
    // Opening the dialog never changes the record's interface.
    QCOMPARE(int(param.intfType), intfType);
}

void TestDevChoose::recordValuesAreSelected()
{
    VisaIOParam param = lanRecord(QStringLiteral("10.1.2.3"));
    param.port = 999999999;
    DlgDevChoose dialog(param, {});
    QCOMPARE(child<QLineEdit>(&dialog, "edtLANIP")->text(), QStringLiteral("10.1.2.3"));
    QCOMPARE(child<QComboBox>(&dialog, "cbbLANMode")->currentText(), QStringLiteral("SOCKET"));
    QCOMPARE(child<QSpinBox>(&dialog, "sbLANPort")->value(), 999999999);
    QCOMPARE(child<QComboBox>(&dialog, "cbRS232BaudRate")->currentText(), QStringLiteral("115200"));
    QCOMPARE(child<QComboBox>(&dialog, "cbRS232Databits")->currentText(), QStringLiteral("7"));
    QCOMPARE(child<QComboBox>(&dialog, "cbRS232Stopbits")->currentText(), QStringLiteral("2"));
    QCOMPARE(child<QComboBox>(&dialog, "cbRS232Parity")->currentText(), QStringLiteral("Even"));

    // An empty address replaces the form's 127.0.0.1.
    VisaIOParam empty;
    DlgDevChoose second(empty, {});
    QVERIFY(child<QLineEdit>(&second, "edtLANIP")->text().isEmpty());
}

void TestDevChoose::portFieldKeepsZeroToNineDigits_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("stored");
    QTest::newRow("SCPI raw socket") << 5025 << 5025;
    QTest::newRow("above 65535") << 70000 << 70000;
    QTest::newRow("nine digits") << 999999999 << 999999999;
    QTest::newRow("ten digits") << 1000000000 << 999999999;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("most negative") << std::numeric_limits<int>::min() << 0;
}

void TestDevChoose::portFieldKeepsZeroToNineDigits()
{
    QFETCH(int, port);
    QFETCH(int, stored);
    VisaIOParam param = lanRecord(QStringLiteral("10.0.0.1"));
    param.port = port;
    DlgDevChoose dialog(param, {});
    QCOMPARE(child<QSpinBox>(&dialog, "sbLANPort")->value(), stored);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(param.port, stored);
}

void TestDevChoose::unknownRecordValuesSelectNothingAndStoreZero()
{
    VisaIOParam param;
    param.intfType = VisaIOInfo::kAsrl;
    param.ipAddress = QStringLiteral("not an address");
    param.lanType = static_cast<VisaIOInfo::LanType>(9);
    param.port = -80;
    param.baudRate = 12345;
    param.dataBits = static_cast<VisaSerial::DataBits>(0);
    param.stopBits = static_cast<VisaSerial::StopBits>(1);
    param.parity = static_cast<VisaSerial::Parity>(-3);

    DlgDevChoose dialog(param, {});
    for (const char *name : {"cbbLANMode", "cbRS232BaudRate", "cbRS232Databits", "cbRS232Stopbits", "cbRS232Parity"})
        QCOMPARE(child<QComboBox>(&dialog, name)->currentIndex(), -1);
    QVERIFY(child<QComboBox>(&dialog, "cbRS232BaudRate")->currentText().isEmpty());
    QCOMPARE(child<QSpinBox>(&dialog, "sbLANPort")->value(), 0);
    QVERIFY(!child<QSpinBox>(&dialog, "sbLANPort")->isEnabled());

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialogButton(&dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(param.intfType), int(VisaIOInfo::kAsrl));
    QCOMPARE(param.ipAddress, QStringLiteral("not an address"));
    QCOMPARE(int(param.lanType), 0);
    QCOMPARE(param.port, 0);
    QCOMPARE(param.baudRate, 0u);
    QCOMPARE(int(param.dataBits), 0);
    QCOMPARE(int(param.stopBits), 0);
    QCOMPARE(int(param.parity), 0);
}

void TestDevChoose::lanModeEnablesPortOnlyForSocket_data()
{
    QTest::addColumn<int>("lanType");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("INSTR") << 0 << false;
    QTest::newRow("SOCKET") << 1 << true;
    QTest::newRow("HiSLIP") << 2 << false;
    QTest::newRow("unknown") << 5 << false;
}

void TestDevChoose::lanModeEnablesPortOnlyForSocket()
{
    QFETCH(int, lanType);
    QFETCH(bool, enabled);
    VisaIOParam param = lanRecord(QStringLiteral("10.0.0.1"));
    param.lanType = static_cast<VisaIOInfo::LanType>(lanType);
    DlgDevChoose dialog(param, {});
    QCOMPARE(child<QSpinBox>(&dialog, "sbLANPort")->isEnabled(), enabled);
}

void TestDevChoose::completerOffersSuggestions()
{
    VisaIOParam param;
    DlgDevChoose dialog(param, kSuggestions);
    QCompleter *completer = child<QLineEdit>(&dialog, "edtLANIP")->completer();
    QVERIFY(completer);
    QCOMPARE(completer->parent(), &dialog);
    QCOMPARE(completer->model()->rowCount(), 3);
    completer->setCompletionPrefix(QStringLiteral("192.168"));
    QCOMPARE(completer->completionCount(), 2);

    DlgDevChoose none(param, {});
    QCompleter *empty = child<QLineEdit>(&none, "edtLANIP")->completer();
    QVERIFY(empty);
    empty->setCompletionPrefix(QString());
    QCOMPARE(empty->completionCount(), 0);
}

void TestDevChoose::getChildsListsDescendantsDepthFirst()
{
    QObject root;
    auto *a = new QObject(&root);
    auto *a1 = new QObject(a);
    auto *a2 = new QObject(a);
    auto *a1x = new QObject(a1);
    auto *b = new QObject(&root);

    VisaIOParam param;
    DlgDevChoose dialog(param, {});
    QObject sentinel;
    QList<QObject *> list{&sentinel};
    dialog.getChilds(&root, list);
    QCOMPARE(list, (QList<QObject *>{&sentinel, a, a1, a1x, a2, b}));

    dialog.getChilds(nullptr, list);
    QCOMPARE(list.size(), 6);
    dialog.getChilds(a1x, list);
    QCOMPARE(list.size(), 6);

    // On the dialog itself every radio button comes after its group box.
    QList<QObject *> all;
    dialog.getChilds(&dialog, all);
    const int groupBox = all.indexOf(child<QGroupBox>(&dialog, "groupBox"));
    QVERIFY(groupBox >= 0);
    QVERIFY(all.indexOf(child<QRadioButton>(&dialog, "rbUSB")) > groupBox);
    QVERIFY(all.contains(child<QSpinBox>(&dialog, "sbLANPort")));
}

// ---------------------------------------------------------------------------
// Dialog driven by the user

void TestDevChoose::checkingInterfaceWritesItAtOnce()
{
    VisaIOParam param;
    param.intfType = VisaIOInfo::kUsb;
    DlgDevChoose dialog(param, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *tabs = child<QTabWidget>(&dialog, "tabWidget");
    QSignalSpy pageChanges(tabs, &QTabWidget::currentChanged);

    const struct
    {
        const char *name;
        int intfType, page;
    } steps[] = {{"rbLAN", 6, 1}, {"rbRS232", 4, 2}, {"rbUSB", 7, 0}, {"rbLAN", 6, 1}};
    for (const auto &step : steps) {
        QTest::mouseClick(child<QRadioButton>(&dialog, step.name), Qt::LeftButton);
        QCOMPARE(int(param.intfType), step.intfType);
        QCOMPARE(tabs->currentIndex(), step.page);
        QVERIFY(tabs->currentWidget()->isVisible());
    }
    QCOMPARE(pageChanges.count(), 4);
    // Nothing but the interface reaches the record before OK.
    QCOMPARE(param.ipAddress, VisaIOParam().ipAddress);
    QCOMPARE(param.baudRate, VisaIOParam().baudRate);
}

void TestDevChoose::userChangesLanModeAndPortField()
{
    VisaIOParam param = lanRecord(QStringLiteral("10.0.0.1"));
    param.lanType = VisaIOInfo::kINSTR;
    DlgDevChoose dialog(param, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *mode = child<QComboBox>(&dialog, "cbbLANMode");
    auto *port = child<QSpinBox>(&dialog, "sbLANPort");
    QVERIFY(!port->isEnabled());

    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down); // SOCKET
    QCOMPARE(mode->currentText(), QStringLiteral("SOCKET"));
    QVERIFY(port->isEnabled());

    retype(port->findChild<QLineEdit *>(), QStringLiteral("4880"));
    QCOMPARE(port->value(), 4880);

    QTest::keyClick(mode, Qt::Key_Down); // HiSLIP
    QVERIFY(!port->isEnabled());
    QTest::keyClick(mode, Qt::Key_Up); // SOCKET again
    QVERIFY(port->isEnabled());

    QTest::mouseClick(dialogButton(&dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(param.lanType, VisaIOInfo::kSOCKET);
    QCOMPARE(param.port, 4880);
}

void TestDevChoose::cancelKeepsChosenInterfaceOnly()
{
    VisaIOParam param = lanRecord(QStringLiteral("10.0.0.1"));
    param.intfType = VisaIOInfo::kUsb;
    const VisaIOParam before = param;

    DlgDevChoose dialog(param, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(child<QRadioButton>(&dialog, "rbLAN"), Qt::LeftButton);
    retype(child<QLineEdit>(&dialog, "edtLANIP"), QStringLiteral("192.168.7.7"));
    child<QSpinBox>(&dialog, "sbLANPort")->setValue(1234);
    QTest::mouseClick(dialogButton(&dialog, QDialogButtonBox::Cancel), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.isHidden());
    QCOMPARE(param.intfType, VisaIOInfo::kTcpip);
    VisaIOParam expected = before;
    expected.intfType = VisaIOInfo::kTcpip;
    QVERIFY(sameRecord(param, expected));

    // Escape rejects the same way.
    DlgDevChoose second(param, {});
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QTest::mouseClick(child<QRadioButton>(&second, "rbRS232"), Qt::LeftButton);
    QTest::keyClick(&second, Qt::Key_Escape);
    QCOMPARE(second.result(), int(QDialog::Rejected));
    expected.intfType = VisaIOInfo::kAsrl;
    QVERIFY(sameRecord(param, expected));
}

void TestDevChoose::okStoresNormalisedAddressAndAllMembers()
{
    VisaIOParam param = lanRecord(QStringLiteral("192.168.001.010"));
    DlgDevChoose dialog(param, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(child<QRadioButton>(&dialog, "rbLAN")->isChecked());
    QCOMPARE(child<QTabWidget>(&dialog, "tabWidget")->currentIndex(), 1);

    // Change the serial settings too: they are written whatever the interface.
    auto *parity = child<QComboBox>(&dialog, "cbRS232Parity");
    parity->setCurrentIndex(parity->findText(QStringLiteral("Mark")));
    auto *stop = child<QComboBox>(&dialog, "cbRS232Stopbits");
    stop->setCurrentIndex(1);
    auto *bits = child<QComboBox>(&dialog, "cbRS232Databits");
    bits->setCurrentIndex(0);

    QTest::mouseClick(dialogButton(&dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.isHidden());
    QCOMPARE(&dialog.equipIOParam(), &param);
    QCOMPARE(param.ipAddress, QStringLiteral("192.168.1.10"));
    QCOMPARE(param.intfType, VisaIOInfo::kTcpip);
    QCOMPARE(param.lanType, VisaIOInfo::kSOCKET);
    QCOMPARE(param.port, 5025);
    QCOMPARE(param.baudRate, 115200u);
    QCOMPARE(param.dataBits, VisaSerial::kBits5);
    QCOMPARE(param.stopBits, VisaSerial::kOneAndHalf);
    QCOMPARE(param.parity, VisaSerial::kMark);
    QCOMPARE(param.resourceName, QStringLiteral("untouched"));
}

void TestDevChoose::invalidAddressKeepsDialogOpen()
{
    VisaIOParam param = lanRecord(QStringLiteral("300.1.1.1"));
    const VisaIOParam before = param;
    DlgDevChoose dialog(param, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    child<QSpinBox>(&dialog, "sbLANPort")->setValue(8000); // must not reach the record
    auto *address = child<QLineEdit>(&dialog, "edtLANIP");
    QPushButton *ok = dialogButton(&dialog, QDialogButtonBox::Ok);

    ok->setFocus();

    SeenBox box;
    closeNextMessageBox(&box);
    QTest::mouseClick(ok, Qt::LeftButton);

    QVERIFY(box.seen);
    QVERIFY(box.title.isEmpty());
    QCOMPARE(box.text, QStringLiteral("The IP address is invalid."));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.parent, &dialog);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected)); // not accepted
    QVERIFY(sameRecord(param, before));
    // The focus moved from OK to the address field; it shows once the dialog
    // is active again (offscreen has no window manager to reactivate it).
    QCOMPARE(dialog.focusWidget(), address);
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(address->hasFocus());
    QCOMPARE(address->selectedText(), QStringLiteral("300.1.1.1"));

    // The selected text is replaced by typing; OK then closes the dialog.
    QTest::keyClicks(address, QStringLiteral("10.020.3.4"));
    QCOMPARE(address->text(), QStringLiteral("10.020.3.4"));
    SeenBox none;
    closeNextMessageBox(&none);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!none.seen);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.isHidden());
    QCOMPARE(param.ipAddress, QStringLiteral("10.20.3.4"));
    QCOMPARE(param.port, 8000);
}

void TestDevChoose::usbStoresAddressUnchecked()
{
    VisaIOParam param = lanRecord(QStringLiteral("abc"));
    param.intfType = VisaIOInfo::kUsb;
    DlgDevChoose dialog(param, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(child<QRadioButton>(&dialog, "rbUSB")->isChecked());
    QCOMPARE(child<QTabWidget>(&dialog, "tabWidget")->currentIndex(), 0);

    SeenBox box;
    closeNextMessageBox(&box);
    QTest::mouseClick(dialogButton(&dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    QVERIFY(!box.seen);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(param.ipAddress, QStringLiteral("abc"));
    QCOMPARE(param.intfType, VisaIOInfo::kUsb);

    // RS232 stores an address with leading zeros as it stands.
    VisaIOParam serial = lanRecord(QStringLiteral("010.0.0.1"));
    serial.intfType = VisaIOInfo::kAsrl;
    DlgDevChoose second(serial, {});
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QTest::mouseClick(dialogButton(&second, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(second.result(), int(QDialog::Accepted));
    QCOMPARE(serial.ipAddress, QStringLiteral("010.0.0.1"));
}

void TestDevChoose::gpibRecordWritesMembersAndKeepsInterface()
{
    VisaIOParam param = lanRecord(QStringLiteral("300.0.0.1"));
    param.intfType = VisaIOInfo::kGpib;
    param.baudRate = 9600;
    DlgDevChoose dialog(param, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // No visible radio button is checked and the page area is empty.
    for (QRadioButton *rb : dialog.findChildren<QRadioButton *>())
        QVERIFY(!(rb->isVisible() && rb->isChecked()));
    QVERIFY(!child<QTabWidget>(&dialog, "tabWidget")->currentWidget()->isVisible());

    QTest::mouseClick(dialogButton(&dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(param.intfType, VisaIOInfo::kGpib);
    QCOMPARE(param.ipAddress, QStringLiteral("300.0.0.1"));
    QCOMPARE(param.baudRate, 9600u);
    QCOMPARE(param.parity, VisaSerial::kEven);
}

void TestDevChoose::baudRateFieldStoresWhatUserSees_data()
{
    QTest::addColumn<quint32>("recordRate");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pressEnter");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<quint32>("stored");

    QTest::newRow("untouched") << 19200u << QString() << false << "19200" << 19200u;
    QTest::newRow("listed rate typed") << 9600u << "57600" << false << "57600" << 57600u;
    QTest::newRow("rate off the list") << 9600u << "230400" << false << "230400" << 230400u;
    QTest::newRow("rate off the list, Enter") << 9600u << "250000" << true << "250000" << 250000u;
    QTest::newRow("listed rate, Enter") << 4800u << "38400" << true << "38400" << 38400u;
    QTest::newRow("letters refused") << 9600u << "12a0b0" << false << "1200" << 1200u;
    QTest::newRow("cleared") << 9600u << "" << false << "" << 0u;
    QTest::newRow("too large") << 9600u << "9999999999" << false << "9999999999" << 0u;
    QTest::newRow("unknown record rate") << 12345u << QString() << false << "" << 0u;
}

void TestDevChoose::baudRateFieldStoresWhatUserSees()
{
    QFETCH(quint32, recordRate);
    QFETCH(QString, typed);
    QFETCH(bool, pressEnter);
    QFETCH(QString, shown);
    QFETCH(quint32, stored);

    VisaIOParam param;
    param.intfType = VisaIOInfo::kAsrl;
    param.baudRate = recordRate;
    DlgDevChoose dialog(param, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *baud = child<QComboBox>(&dialog, "cbRS232BaudRate");
    if (!typed.isNull()) {
        // Typing into the editable field; the list's inline completion is
        // switched off so that the keys alone decide the text.
        baud->completer()->setCompletionMode(QCompleter::PopupCompletion);
        retype(baud->lineEdit(), typed);
    }
    QCOMPARE(baud->currentText(), shown);
    if (pressEnter)
        QTest::keyClick(baud->lineEdit(), Qt::Key_Return);
    else
        QTest::mouseClick(dialogButton(&dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(param.baudRate, stored);
}

void TestDevChoose::execReturnsAcceptedAfterUserConfirms()
{
    VisaIOParam param;
    param.intfType = VisaIOInfo::kUsb;
    QWidget host;
    auto *dialog = new DlgDevChoose(param, kSuggestions, &host);
    QPointer<DlgDevChoose> guard(dialog);

    bool driven = false;
    QTimer::singleShot(0, dialog, [dialog, &driven]() {
        QTest::mouseClick(child<QRadioButton>(dialog, "rbLAN"), Qt::LeftButton);
        retype(child<QLineEdit>(dialog, "edtLANIP"), QStringLiteral("172.016.000.001"));
        QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        driven = true;
    });
    const int result = dialog->exec();
    QVERIFY(driven);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(param.intfType, VisaIOInfo::kTcpip);
    QCOMPARE(param.ipAddress, QStringLiteral("172.16.0.1"));
    QCOMPARE(dialog->parentWidget(), &host);
    QVERIFY(guard); // the host owns it; exec() does not delete it
}

QTEST_MAIN(TestDevChoose)
#include "tst_devchoose.moc"
