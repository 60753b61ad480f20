// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/dlgdevchoose.h>

#include "ipaddress.h"
#include "ui_dlgdevchoose.h"
#include "../util/formguard_p.h"
#include "../util/formtitle_p.h"
#include "../util/objectwalk_p.h"

#include <QCompleter>
#include <QEvent>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPointer>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTabBar>

#include <array>

using rilo::measure::io::visa::VisaIOInfo;
using rilo::measure::io::visa::VisaIOParam;
using rilo::measure::io::visa::VisaSerial;

namespace rilo {
namespace widget {

namespace {

// The dialog relies on the values that the VISA standard gives these
// enumerators, not on the I/O library's names for them.
constexpr auto kIntfGpib = static_cast<VisaIOInfo::IntfType>(1);
constexpr auto kIntfRs232 = static_cast<VisaIOInfo::IntfType>(4);
constexpr auto kIntfLan = static_cast<VisaIOInfo::IntfType>(6);
constexpr auto kIntfUsb = static_cast<VisaIOInfo::IntfType>(7);
constexpr int kLanTypeWithPort = 1; // the one LAN mode that talks to a TCP port

// Dynamic properties of the interface radio buttons.
const char *const kPortProperty = "Port";   // the button's VisaIOInfo::IntfType
const char *const kIndexProperty = "Index"; // its page of the tab widget

// The parity modes whose names the dialog shows translated. A mode that the
// I/O library adds later shows its plain key.
const char *const kParityNames[] = {
    QT_TRANSLATE_NOOP("rilo::widget::DlgDevChoose", "None"),  QT_TRANSLATE_NOOP("rilo::widget::DlgDevChoose", "Odd"),
    QT_TRANSLATE_NOOP("rilo::widget::DlgDevChoose", "Even"),  QT_TRANSLATE_NOOP("rilo::widget::DlgDevChoose", "Mark"),
    QT_TRANSLATE_NOOP("rilo::widget::DlgDevChoose", "Space"),
};

// How addEnumItems() labels an item.
enum class ItemText {
    Value,      // the value in decimal
    Key,        // the key without its prefix
    ParityName, // the key without its prefix, translated where it is a parity name
};

QString parityName(const char *name)
{
    for (const char *known : kParityNames) {
        if (qstrcmp(known, name) == 0)
            return DlgDevChoose::tr(known);
    }
    return QString::fromLatin1(name);
}

// Makes current the first item whose data equals `value`, or none.
template <typename T>
void selectData(QComboBox *box, T value)
{
    int found = -1;
    for (int i = 0; i < box->count(); ++i) {
        const QVariant data = box->itemData(i);
        if (data.isValid() && data.value<T>() == value) {
            found = i;
            break;
        }
    }
    box->setCurrentIndex(found);
}

// The current item's data as T; 0 without current item or readable data.
template <typename T>
T currentData(const QComboBox *box)
{
    return box->currentData().value<T>();
}

// Text of the enumerator `key` (with its one-character prefix) of `value`.
QString enumItemText(const char *key, int value, ItemText kind)
{
    switch (kind) {
    case ItemText::Value:
        return QStringLiteral("%1").arg(value);
    case ItemText::Key:
        return QString::fromLatin1(key).mid(1);
    case ItemText::ParityName:
        break;
    }
    return key[0] ? parityName(key + 1) : QString();
}

// Appends one item per enumerator of `scope`'s enumeration `name`, in the
// meta-object's order: text as `kind` says, the value as data. An enumeration
// that the meta-object does not declare adds nothing.
template <typename T>
void addEnumItems(QComboBox *box, const QMetaObject &scope, const char *name, ItemText kind)
{
    const int index = scope.indexOfEnumerator(name);
    if (index < 0)
        return;
    const QMetaEnum meta = scope.enumerator(index);
    for (int i = 0; i < meta.keyCount(); ++i) {
        const int value = meta.value(i);
        box->addItem(enumItemText(meta.key(i), value, kind), QVariant::fromValue(static_cast<T>(value)));
    }
}

// Gives the parity items the names of the current language, found by their data.
void retranslateParityItems(QComboBox *box)
{
    const QMetaEnum meta = QMetaEnum::fromType<VisaSerial::Parity>();
    for (int i = 0; i < box->count(); ++i) {
        const int value = static_cast<int>(box->itemData(i).value<VisaSerial::Parity>());
        if (const char *key = meta.valueToKey(value))
            box->setItemText(i, enumItemText(key, value, ItemText::ParityName));
    }
}

// The baud rate the user sees in the editable field: the data of the current
// item while the field shows that item, otherwise the typed digits; 0 for an
// empty field or a number beyond 32 bits.
quint32 shownBaudRate(const QComboBox *box)
{
    const QString text = box->currentText();
    const int index = box->currentIndex();
    if (index >= 0 && box->itemText(index) == text) {
        const QVariant data = box->itemData(index);
        if (data.isValid())
            return data.value<quint32>();
    }
    bool ok = false;
    const uint typed = text.toUInt(&ok);
    return ok ? typed : 0;
}

// An interface radio button of the form, with the interface and the page it
// stands for.
struct InterfaceRadio
{
    QRadioButton *button;
    VisaIOInfo::IntfType type;
    int page;
};

using InterfaceRadios = std::array<InterfaceRadio, 4>;

InterfaceRadios interfaceRadios(const Ui_DlgDevChoose &ui)
{
    return {{
        {ui.rbUSB, kIntfUsb, 0},
        {ui.rbLAN, kIntfLan, 1},
        {ui.rbRS232, kIntfRs232, 2},
        {ui.rbGPIB, kIntfGpib, 3},
    }};
}

// Stores on each radio button the interface and the page it stands for, where
// slotRbToggled() reads them.
void tagInterfaceRadios(const InterfaceRadios &radios)
{
    for (const InterfaceRadio &radio : radios) {
        radio.button->setProperty(kPortProperty, QVariant::fromValue(radio.type));
        radio.button->setProperty(kIndexProperty, radio.page);
    }
}

// Fills the RS-232 fields and selects the record's values: baud rates with an
// editable field for rates off the list (digits only), data bits shown as
// their bit counts, stop bits with their VISA codes, parity.
void fillSerialFields(Ui_DlgDevChoose &ui, const VisaIOParam &ioParam)
{
    const quint32 rates[] = {4800, 7200, 9600, 14400, 19200, 38400, 57600, 115200, 128000};
    for (const quint32 rate : rates)
        ui.cbRS232BaudRate->addItem(QString::number(rate), QVariant::fromValue(rate));
    selectData(ui.cbRS232BaudRate, ioParam.baudRate);
    ui.cbRS232BaudRate->setEditable(true);
    ui.cbRS232BaudRate->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), ui.cbRS232BaudRate));

    addEnumItems<VisaSerial::DataBits>(ui.cbRS232Databits, VisaSerial::staticMetaObject, "DataBits", ItemText::Value);
    selectData(ui.cbRS232Databits, ioParam.dataBits);

    ui.cbRS232Stopbits->addItem(QStringLiteral("1"), QVariant::fromValue(static_cast<VisaSerial::StopBits>(10)));
    ui.cbRS232Stopbits->addItem(QStringLiteral("1.5"), QVariant::fromValue(static_cast<VisaSerial::StopBits>(15)));
    ui.cbRS232Stopbits->addItem(QStringLiteral("2"), QVariant::fromValue(static_cast<VisaSerial::StopBits>(20)));
    selectData(ui.cbRS232Stopbits, ioParam.stopBits);

    addEnumItems<VisaSerial::Parity>(ui.cbRS232Parity, VisaSerial::staticMetaObject, "Parity", ItemText::ParityName);
    selectData(ui.cbRS232Parity, ioParam.parity);
}

// Fills the LAN fields from the record: the address with the host's
// suggestions for it (the completer is a child of dialog), the LAN modes and
// a plain number field for the port. Each change of the current LAN mode
// reaches on_cbbLANMode_currentIndexChanged, which the form connected by
// name, so the port field follows the mode from here on.
void fillLanFields(Ui_DlgDevChoose &ui, const VisaIOParam &ioParam, const QStringList &addresses, QDialog *dialog)
{
    ui.edtLANIP->setText(ioParam.ipAddress);
    ui.edtLANIP->setCompleter(new QCompleter(addresses, dialog));

    addEnumItems<VisaIOInfo::LanType>(ui.cbbLANMode, VisaIOInfo::staticMetaObject, "LanType", ItemText::Key);
    selectData(ui.cbbLANMode, ioParam.lanType);

    ui.sbLANPort->setButtonSymbols(QAbstractSpinBox::NoButtons);
    ui.sbLANPort->setValue(ioParam.port);
}

// Checks the radio button of interface type; slotRbToggled(), connected
// before, shows its page. Without a match, or for USB, the form's default
// (USB, page 0) stays and the record keeps its value.
void checkInterface(const InterfaceRadios &radios, VisaIOInfo::IntfType type)
{
    for (const InterfaceRadio &radio : radios) {
        if (radio.type == type)
            radio.button->setChecked(true);
    }
}

// Pages change only through the radio buttons; GPIB is not offered.
void hideTabsAndGpib(Ui_DlgDevChoose &ui)
{
    ui.tabWidget->tabBar()->hide();
    ui.rbGPIB->hide();
    if (QWidget *gpibPage = ui.tabWidget->widget(3))
        gpibPage->hide();
}

} // namespace

DlgDevChoose::DlgDevChoose(VisaIOParam &param, const QStringList &addresses, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui_DlgDevChoose)
    , form(new FormGuard)
    , ioParam(param)
{
    // The form also connects on_cbbLANMode_currentIndexChanged by name.
    ui->setupUi(this);
    form->watch({ui->groupBox,        ui->rbUSB,      ui->rbLAN,   ui->rbRS232, ui->rbGPIB,          ui->tabWidget,
                 ui->tab_3,           ui->tab_4,      ui->label_2, ui->label_4, ui->sbLANPort,       ui->edtLANIP,
                 ui->label,           ui->cbbLANMode, ui->tab_5,   ui->label_5, ui->cbRS232Databits, ui->cbRS232Parity,
                 ui->cbRS232BaudRate, ui->label_3,    ui->label_6, ui->label_7, ui->cbRS232Stopbits, ui->tab,
                 ui->buttonBox});

    const InterfaceRadios radios = interfaceRadios(*ui);
    tagInterfaceRadios(radios);
    fillSerialFields(*ui, ioParam);
    fillLanFields(*ui, ioParam, addresses, this);
    for (const InterfaceRadio &radio : radios)
        connect(radio.button, &QRadioButton::toggled, this, &DlgDevChoose::slotRbToggled);
    checkInterface(radios, ioParam.intfType);
    hideTabsAndGpib(*ui);

    formTitle = windowTitle();
}

DlgDevChoose::~DlgDevChoose() = default;

VisaIOParam &DlgDevChoose::equipIOParam()
{
    return ioParam;
}

bool DlgDevChoose::isValidIPAddress(const QString &address) const
{
    return ipaddress::isValid(address);
}

QList<QString> DlgDevChoose::splitIPAddress(const QString &address) const
{
    return ipaddress::split(address);
}

QString DlgDevChoose::combineIPAddress(const QList<QString> &parts) const
{
    return ipaddress::combine(parts);
}

QString DlgDevChoose::removePreChar(const QString &text, char ch) const
{
    return ipaddress::removePreChar(text, ch);
}

void DlgDevChoose::getChilds(QObject *object, QList<QObject *> &list) const
{
    forEachDescendant(object, [&list](QObject *descendant) { list.append(descendant); });
}

void DlgDevChoose::accept()
{
    // A field the host deleted leaves its member of the record as it is.
    if (QLineEdit *field = form->live(ui->edtLANIP)) {
        QString address = field->text();
        if (ioParam.intfType == kIntfLan) {
            if (!isValidIPAddress(address)) {
                // The message box runs an event loop, in which the host may
                // delete the dialog or the field. The box is a child of the
                // dialog, so it lives on the heap (QMessageBox::information()
                // keeps it on the stack, where deleting the dialog would
                // delete it a second time).
                const QPointer<DlgDevChoose> self(this);
                const QPointer<QMessageBox> box = new QMessageBox(
                    QMessageBox::Information, QString(), tr("The IP address is invalid."), QMessageBox::Ok, this);
                box->exec();
                delete box.data();
                if (!self)
                    return;
                if (QLineEdit *again = form->live(ui->edtLANIP)) {
                    again->setFocus(Qt::OtherFocusReason);
                    again->selectAll();
                }
                return;
            }
            address = combineIPAddress(splitIPAddress(address)); // drops leading zeros
        }
        ioParam.ipAddress = address;
    }
    if (const QComboBox *mode = form->live(ui->cbbLANMode))
        ioParam.lanType = currentData<VisaIOInfo::LanType>(mode);
    if (const QSpinBox *port = form->live(ui->sbLANPort))
        ioParam.port = port->value();
    if (const QComboBox *rate = form->live(ui->cbRS232BaudRate))
        ioParam.baudRate = shownBaudRate(rate);
    if (const QComboBox *bits = form->live(ui->cbRS232Databits))
        ioParam.dataBits = currentData<VisaSerial::DataBits>(bits);
    if (const QComboBox *stop = form->live(ui->cbRS232Stopbits))
        ioParam.stopBits = currentData<VisaSerial::StopBits>(stop);
    if (const QComboBox *parity = form->live(ui->cbRS232Parity))
        ioParam.parity = currentData<VisaSerial::Parity>(parity);

    QDialog::accept();
}

void DlgDevChoose::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && !form->isIntact()) {
        // The generated retranslation follows every pointer of the form.
        if (QComboBox *parity = form->live(ui->cbRS232Parity))
            retranslateParityItems(parity);
    } else if (event->type() == QEvent::LanguageChange) {
        // retranslateUi() puts the form's texts back, the default address
        // and the form's title included: keep the user's address (and where
        // the cursor stands in it) and a title the host gave the dialog.
        const QString address = ui->edtLANIP->text();
        const int cursor = ui->edtLANIP->cursorPosition();
        followFormTitle(this, formTitle, [this] { ui->retranslateUi(this); });
        if (ui->edtLANIP->text() != address) {
            ui->edtLANIP->setText(address);
            ui->edtLANIP->setCursorPosition(cursor);
        }
        retranslateParityItems(ui->cbRS232Parity);
    }
    QDialog::changeEvent(event);
}

void DlgDevChoose::slotRbToggled(bool checked)
{
    if (!checked)
        return;
    auto *button = qobject_cast<QRadioButton *>(sender());
    if (!button)
        return;
    ioParam.intfType = button->property(kPortProperty).value<VisaIOInfo::IntfType>();
    if (QTabWidget *pages = form->live(ui->tabWidget))
        pages->setCurrentIndex(button->property(kIndexProperty).toInt());
}

void DlgDevChoose::on_cbbLANMode_currentIndexChanged(int index)
{
    Q_UNUSED(index) // the current item's data decides, not its position
    QSpinBox *port = form->live(ui->sbLANPort);
    const QComboBox *mode = form->live(ui->cbbLANMode);
    if (port && mode)
        port->setEnabled(static_cast<int>(currentData<VisaIOInfo::LanType>(mode)) == kLanTypeWithPort);
}

} // namespace widget
} // namespace rilo
