// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Page "Equipment": the example equipment plug-in, loaded with QPluginLoader
// the way a host application loads it, shows simulated power supplies in
// equipment windows inside a QMdiArea.
#include "gallerypage.h"

#include <widget/equipmentplugin.h>
#include <widget/equipmentwindow.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPluginLoader>
#include <QPushButton>
#include <QTime>
#include <QTreeWidget>
#include <QVBoxLayout>

using rilo::widget::EquipmentInfo;
using rilo::widget::EquipmentWindow;
using rilo::widget::IEquipment;
using rilo::widget::ModelInfo;
using rilo::widget::UpdateInfo;

namespace {

// The page's translation context.
struct EquipmentPage
{
    Q_DECLARE_TR_FUNCTIONS(EquipmentPage)
};

QWidget *notFoundPage(const QString &path, const QString &reason)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *message = new QLabel(
        EquipmentPage::tr("<h3>The example equipment plug-in could not be loaded</h3>"
                          "<p>Looked for it at <tt>%1</tt>:<br>%2</p>"
                          "<p>Build the target <tt>rilo_equipment_simsupply</tt> "
                          "(it is part of every build with examples or tests) and start the gallery again.</p>")
            .arg(path.toHtmlEscaped(), reason.toHtmlEscaped()),
        page);
    message->setWordWrap(true);
    layout->addWidget(message);
    layout->addStretch(1);
    return page;
}

} // namespace

QWidget *createEquipmentPage(const GalleryContext &)
{
    const QString path = QStringLiteral(RILO_GALLERY_EQUIPMENT_PLUGIN);
    if (!QFileInfo::exists(path))
        return notFoundPage(path, EquipmentPage::tr("There is no such file."));

    auto *page = new QWidget;
    auto *loader = new QPluginLoader(path, page);
    if (loader->metaData().value(QStringLiteral("IID")).toString() != QStringLiteral(RILO_WIDGET_EQUIPMENT_IID)) {
        delete page;
        return notFoundPage(path, EquipmentPage::tr("The file is not an equipment plug-in."));
    }
    auto *plugin = qobject_cast<IEquipment *>(loader->instance());
    if (!plugin) {
        const QString reason = loader->errorString();
        delete page;
        return notFoundPage(path, reason);
    }

    auto *layout = new QHBoxLayout(page);
    auto *area = new QMdiArea(page);
    area->setBackground(QColor(0x5B, 0x64, 0x70));
    layout->addWidget(area, 1);

    auto *side = new QVBoxLayout;
    layout->addLayout(side);

    // What the plug-in says about itself.
    const QList<ModelInfo> models = plugin->models();
    const ModelInfo model = models.value(0);
    auto *infoBox = new QGroupBox(EquipmentPage::tr("Plug-in"), page);
    auto *info = new QFormLayout(infoBox);
    info->addRow(EquipmentPage::tr("File"), new QLabel(QFileInfo(path).fileName(), infoBox));
    info->addRow(EquipmentPage::tr("Model"), new QLabel(model.name(), infoBox));
    const UpdateInfo *latest = model.latestUpdate();
    info->addRow(EquipmentPage::tr("Latest"),
                 new QLabel(latest
                                ? EquipmentPage::tr("%1 of %2").arg(latest->version, latest->date.toString(Qt::ISODate))
                                : EquipmentPage::tr("none"),
                            infoBox));
    auto *history = new QTreeWidget(infoBox);
    history->setHeaderLabels({EquipmentPage::tr("Version"), EquipmentPage::tr("Date"), EquipmentPage::tr("Notes")});
    history->setRootIsDecorated(false);
    const QList<UpdateInfo> updates = model.updateInfos();
    for (const UpdateInfo &update : updates) {
        auto *item = new QTreeWidgetItem(history, {update.version, update.date.toString(Qt::ISODate),
                                                   QStringList(update.notes).join(QStringLiteral("; "))});
        item->setToolTip(2, QStringList(update.notes).join(QLatin1Char('\n')));
    }
    history->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    history->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    history->setMaximumHeight(110);
    info->addRow(history);
    side->addWidget(infoBox);

    // The signals of every window, as a host would log them.
    auto *eventBox = new QGroupBox(EquipmentPage::tr("Window signals"), page);
    auto *events = new QVBoxLayout(eventBox);
    auto *log = new QListWidget(eventBox);
    events->addWidget(log);
    const auto logEvent = [log](const QString &what, const QSharedPointer<EquipmentInfo> &equipment) {
        log->addItem(QStringLiteral("%1  %2  %3")
                         .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), what,
                              equipment ? equipment->serialNumber : EquipmentPage::tr("(none)")));
        log->scrollToBottom();
    };

    auto serial = std::make_shared<int>(0);
    const auto openUnit = [=]() {
        ++*serial;
        QSharedPointer<EquipmentInfo> equipment(new EquipmentInfo{
            QStringLiteral("Rilo"), model.name(), QStringLiteral("SIM-%1").arg(*serial, 4, 10, QLatin1Char('0')),
            latest ? latest->version : QString(),
            QStringLiteral("TCPIP0::192.168.1.%1::inst0::INSTR").arg(20 + *serial)});
        EquipmentWindow *window = plugin->createWindow(equipment, nullptr);
        if (!window)
            return;
        // Closed windows stay (hidden) so that "Show closed" can bring them back.
        QObject::connect(window, &EquipmentWindow::opened, log, [logEvent](const QSharedPointer<EquipmentInfo> &e) {
            logEvent(EquipmentPage::tr("opened"), e);
        });
        QObject::connect(window, &EquipmentWindow::closed, log, [logEvent](const QSharedPointer<EquipmentInfo> &e) {
            logEvent(EquipmentPage::tr("closed"), e);
        });
        area->addSubWindow(window);
        window->resize(300, 310);
        // Each new window below and to the right of the one before, the first
        // two side by side enough that both readouts show.
        const int step = (*serial - 1) % 4;
        window->move(8 + 164 * (step % 2) + 24 * (step / 2), 8 + 318 * (step % 2) + 24 * (step / 2));
        window->show();
    };

    auto *buttons = new QHBoxLayout;
    auto *open = new QPushButton(EquipmentPage::tr("Open unit"), eventBox);
    auto *reopen = new QPushButton(EquipmentPage::tr("Show closed"), eventBox);
    auto *tile = new QPushButton(EquipmentPage::tr("Tile"), eventBox);
    buttons->addWidget(open);
    buttons->addWidget(reopen);
    buttons->addWidget(tile);
    events->addLayout(buttons);
    side->addWidget(eventBox, 1);
    QObject::connect(open, &QPushButton::clicked, area, openUnit);
    QObject::connect(tile, &QPushButton::clicked, area, &QMdiArea::tileSubWindows);
    QObject::connect(reopen, &QPushButton::clicked, area, [area]() {
        const auto windows = area->subWindowList();
        for (QMdiSubWindow *window : windows)
            window->show();
    });

    // One width for the side column, wide enough for the buttons' texts in
    // every language.
    const int sideWidth = qMax(290, eventBox->minimumSizeHint().width());
    infoBox->setFixedWidth(sideWidth);
    eventBox->setFixedWidth(sideWidth);

    openUnit();
    openUnit();
    return page;
}
