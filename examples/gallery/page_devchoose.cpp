// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Page "Connect instrument": the connection dialog over an I/O parameter
// record shown field by field, so that what the dialog writes back is visible.
#include "gallerypage.h"

#include <widget/dlgdevchoose.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMetaEnum>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>
#include <vector>

using rilo::measure::io::visa::VisaIOInfo;
using rilo::measure::io::visa::VisaIOParam;
using rilo::measure::io::visa::VisaSerial;
using rilo::widget::DlgDevChoose;

namespace {

// The page's translation context.
struct DevChoosePage
{
    Q_DECLARE_TR_FUNCTIONS(DevChoosePage)
};

// "kTcpip (6)", or the bare number for a value the enumeration lacks.
QString enumText(const QMetaObject &scope, const char *name, int value)
{
    const int index = scope.indexOfEnumerator(name);
    const char *key = index >= 0 ? scope.enumerator(index).valueToKey(value) : nullptr;
    if (!key)
        return DevChoosePage::tr("%1 (no enumerator)").arg(value);
    return QStringLiteral("%1 (%2)").arg(QString::fromLatin1(key)).arg(value);
}

QString interfaceName(VisaIOInfo::IntfType type)
{
    switch (type) {
    case VisaIOInfo::kUsb:
        return DevChoosePage::tr("USB");
    case VisaIOInfo::kTcpip:
        return DevChoosePage::tr("LAN");
    case VisaIOInfo::kAsrl:
        return DevChoosePage::tr("RS232");
    case VisaIOInfo::kGpib:
        return DevChoosePage::tr("GPIB");
    }
    return DevChoosePage::tr("none chosen");
}

// The VISA resource string an application would open with this record.
QString resourceString(const VisaIOParam &p)
{
    switch (p.intfType) {
    case VisaIOInfo::kTcpip:
        switch (p.lanType) {
        case VisaIOInfo::kSOCKET:
            return QStringLiteral("TCPIP0::%1::%2::SOCKET").arg(p.ipAddress).arg(p.port);
        case VisaIOInfo::kHiSLIP:
            return QStringLiteral("TCPIP0::%1::hislip0::INSTR").arg(p.ipAddress);
        case VisaIOInfo::kINSTR:
            return QStringLiteral("TCPIP0::%1::inst0::INSTR").arg(p.ipAddress);
        }
        break;
    case VisaIOInfo::kAsrl:
        return QStringLiteral("ASRL1::INSTR");
    case VisaIOInfo::kUsb:
        return QStringLiteral("USB0::0x1AB1::0x0E11::DP8B2404::INSTR");
    case VisaIOInfo::kGpib:
        return QStringLiteral("GPIB0::5::INSTR");
    }
    return DevChoosePage::tr("—");
}

struct Preset
{
    const char *name;
    VisaIOParam record;
};

std::vector<Preset> presets()
{
    std::vector<Preset> list;
    VisaIOParam lan;
    lan.intfType = VisaIOInfo::kTcpip;
    lan.ipAddress = QStringLiteral("192.168.1.10");
    lan.lanType = VisaIOInfo::kSOCKET;
    lan.port = 5025;
    list.push_back({QT_TRANSLATE_NOOP("DevChoosePage", "Bench supply on LAN (raw socket)"), lan});

    VisaIOParam serial;
    serial.intfType = VisaIOInfo::kAsrl;
    serial.ipAddress = QStringLiteral("192.168.1.77");
    serial.baudRate = 115200;
    serial.dataBits = VisaSerial::kBits8;
    serial.stopBits = VisaSerial::kOne;
    serial.parity = VisaSerial::kNone;
    list.push_back({QT_TRANSLATE_NOOP("DevChoosePage", "Calibrator on RS232"), serial});

    VisaIOParam usb;
    usb.intfType = VisaIOInfo::kUsb;
    list.push_back({QT_TRANSLATE_NOOP("DevChoosePage", "Multimeter on USB"), usb});

    VisaIOParam odd;
    odd.intfType = VisaIOInfo::kTcpip;
    odd.ipAddress = QStringLiteral("192.168.001.010");
    odd.lanType = VisaIOInfo::kHiSLIP;
    odd.port = -1;
    odd.baudRate = 230400;
    list.push_back({QT_TRANSLATE_NOOP("DevChoosePage", "Old record with leading zeros"), odd});
    return list;
}

} // namespace

QWidget *createDevChoosePage(const GalleryContext &context)
{
    Q_UNUSED(context)
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);

    // The record, field by field. It lives as long as the page's lambdas.
    auto record = std::make_shared<VisaIOParam>(presets().front().record);
    const QStringList suggestions{QStringLiteral("192.168.1.10"), QStringLiteral("192.168.1.77"),
                                  QStringLiteral("192.168.20.5"), QStringLiteral("10.0.0.25"),
                                  QStringLiteral("169.254.4.17")};

    auto *recordBox = new QGroupBox(DevChoosePage::tr("I/O parameter record"), page);
    auto *form = new QFormLayout(recordBox);
    form->setLabelAlignment(Qt::AlignRight);
    const char *const fieldNames[] = {
        QT_TRANSLATE_NOOP("DevChoosePage", "Interface"),     QT_TRANSLATE_NOOP("DevChoosePage", "IP address"),
        QT_TRANSLATE_NOOP("DevChoosePage", "LAN mode"),      QT_TRANSLATE_NOOP("DevChoosePage", "Port"),
        QT_TRANSLATE_NOOP("DevChoosePage", "Baud rate"),     QT_TRANSLATE_NOOP("DevChoosePage", "Data bits"),
        QT_TRANSLATE_NOOP("DevChoosePage", "Stop bits"),     QT_TRANSLATE_NOOP("DevChoosePage", "Parity"),
        QT_TRANSLATE_NOOP("DevChoosePage", "VISA resource"),
    };
    QList<QLabel *> values;
    for (const char *name : fieldNames) {
        auto *value = new QLabel(recordBox);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setMinimumWidth(260);
        form->addRow(DevChoosePage::tr(name), value);
        values << value;
    }
    auto *result = new QLabel(recordBox);
    result->setWordWrap(true);
    form->addRow(result);

    // Shows the record; fields that differ from `before` are set in bold.
    const auto show = [record, values](const QStringList &before) {
        const VisaIOParam &p = *record;
        const QStringList texts{
            QStringLiteral("%1 — %2").arg(interfaceName(p.intfType),
                                          enumText(VisaIOInfo::staticMetaObject, "IntfType", p.intfType)),
            p.ipAddress.isEmpty() ? DevChoosePage::tr("(empty)") : p.ipAddress,
            enumText(VisaIOInfo::staticMetaObject, "LanType", p.lanType),
            QString::number(p.port),
            p.baudRate == 0 ? DevChoosePage::tr("0 (none chosen)") : QString::number(p.baudRate),
            enumText(VisaSerial::staticMetaObject, "DataBits", p.dataBits),
            enumText(VisaSerial::staticMetaObject, "StopBits", p.stopBits),
            enumText(VisaSerial::staticMetaObject, "Parity", p.parity),
            resourceString(p),
        };
        for (int i = 0; i < values.size(); ++i) {
            QFont font = values.at(i)->font();
            font.setBold(!before.isEmpty() && before.value(i) != texts.at(i));
            values.at(i)->setFont(font);
            values.at(i)->setText(texts.at(i));
        }
        return texts;
    };
    auto shown = std::make_shared<QStringList>(show({}));

    // A picture of the dialog as it would open on the record, drawn from a
    // dialog over a copy that is never shown.
    auto *previewBox = new QGroupBox(DevChoosePage::tr("The dialog opens like this"), page);
    auto *previewLayout = new QVBoxLayout(previewBox);
    auto *preview = new QLabel(previewBox);
    preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    previewLayout->addWidget(preview);
    const auto drawPreview = [record, preview, suggestions]() {
        VisaIOParam copy = *record;
        DlgDevChoose dialog(copy, suggestions);
        dialog.ensurePolished();
        dialog.layout()->activate();
        dialog.resize(dialog.size().expandedTo(dialog.minimumSizeHint()));
        preview->setPixmap(dialog.grab());
    };
    drawPreview();

    auto *left = new QVBoxLayout;
    left->addWidget(recordBox);
    left->addWidget(previewBox);
    left->addStretch(1);
    layout->addLayout(left, 1);

    // Controls: a preset to start from, the suggestions, the dialog.
    auto *controls = new QVBoxLayout;
    auto *startBox = new QGroupBox(DevChoosePage::tr("Start from"), page);
    auto *startLayout = new QVBoxLayout(startBox);
    auto *presetBox = new QComboBox(startBox);
    for (const Preset &preset : presets())
        presetBox->addItem(DevChoosePage::tr(preset.name));
    startLayout->addWidget(presetBox);
    controls->addWidget(startBox);

    auto *suggestionBox = new QGroupBox(DevChoosePage::tr("Address suggestions"), page);
    auto *suggestionLayout = new QVBoxLayout(suggestionBox);
    auto *suggestionList = new QListWidget(suggestionBox);
    suggestionList->addItems(suggestions);
    suggestionList->setSelectionMode(QAbstractItemView::NoSelection);
    suggestionList->setMaximumHeight(110);
    suggestionLayout->addWidget(suggestionList);
    auto *hint =
        new QLabel(DevChoosePage::tr("Typing in the dialog's address field completes from this list."), suggestionBox);
    hint->setWordWrap(true);
    suggestionLayout->addWidget(hint);
    controls->addWidget(suggestionBox);

    auto *open = new QPushButton(DevChoosePage::tr("Connect…"), page);
    open->setDefault(true);
    controls->addWidget(open);
    controls->addStretch(1);
    layout->addLayout(controls);

    result->setText(DevChoosePage::tr("Press Connect… to edit the record in the dialog."));

    QObject::connect(presetBox, QOverload<int>::of(&QComboBox::currentIndexChanged), page,
                     [record, shown, show, result, drawPreview](int index) {
                         const auto list = presets();
                         if (index < 0 || index >= int(list.size()))
                             return;
                         *record = list.at(index).record;
                         *shown = show({});
                         drawPreview();
                         result->setText(DevChoosePage::tr("Press Connect… to edit the record in the dialog."));
                     });
    QObject::connect(
        open, &QPushButton::clicked, page, [page, record, shown, show, result, suggestions, drawPreview]() {
            DlgDevChoose dialog(*record, suggestions, page);
            const int code = dialog.exec();
            const QStringList before = *shown;
            *shown = show(before);
            drawPreview();
            int changed = 0;
            for (int i = 0; i < shown->size(); ++i)
                changed += shown->at(i) != before.value(i) ? 1 : 0;
            result->setText(
                code == QDialog::Accepted
                    ? DevChoosePage::tr("Accepted: %n field(s) changed, shown in bold.", nullptr, changed)
                    : DevChoosePage::tr("Cancelled: only an interface choice reaches the record (%n field(s) changed).",
                                        nullptr, changed));
        });
    return page;
}
