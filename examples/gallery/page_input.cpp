// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Page "Input": the file-drop combo box and the on/off selector, the latter
// switching the outputs of the simulated supply.
#include "gallerypage.h"
#include "simulatedsupply.h"

#include <widget/ccheckbox.h>
#include <widget/ccombobox.h>
#include <widget/statelabel.h>
#include <widget/valuewidget.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTime>
#include <QVBoxLayout>

using rilo::widget::AbstractStateWidget;
using rilo::widget::CCheckbox;
using rilo::widget::CComboBox;
using rilo::widget::measure::ValueWidget;

namespace {

// The page's translation context.
struct InputPage
{
    Q_DECLARE_TR_FUNCTIONS(InputPage)
};

QStringList splitSuffixes(const QString &text)
{
    QStringList result;
    const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (!part.trimmed().isEmpty())
            result.append(part.trimmed());
    }
    return result;
}

QGroupBox *createFileBox(QWidget *parent)
{
    auto *box = new QGroupBox(InputPage::tr("Measurement files (drop files from a file manager)"), parent);
    auto *layout = new QVBoxLayout(box);

    auto *files = new CComboBox(box);
    files->setSuffixes({QStringLiteral("csv"), QStringLiteral("txt")});
    files->setMinimumWidth(420);
    files->insertItems(0, {QStringLiteral("/home/lab/measurements/sps3005-ramp-2026-12-05.csv"),
                           QStringLiteral("/home/lab/measurements/ch1-ripple-12V.txt"),
                           QStringLiteral("/home/lab/measurements/load-step-1A.csv")});
    files->setCurrentIndex(0);
    layout->addWidget(files);

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto *suffixes = new QLineEdit(files->suffixes().join(QStringLiteral(", ")), box);
    suffixes->setMinimumWidth(220);
    suffixes->setPlaceholderText(InputPage::tr("every file"));
    auto *bound = new QSpinBox(box);
    bound->setRange(1, 50);
    bound->setValue(files->maxCount());
    auto *allow = new QCheckBox(InputPage::tr("Accept drops"), box);
    allow->setChecked(files->allowDrop());
    form->addRow(InputPage::tr("Suffixes"), suffixes);
    form->addRow(InputPage::tr("Most entries"), bound);
    form->addRow(QString(), allow);
    layout->addLayout(form);

    auto *hint =
        new QLabel(InputPage::tr("Drop files with an accepted suffix onto the list: they go on top in the order of "
                                 "the drag, the first one selected. A path already listed is not added twice, and "
                                 "the oldest entries make room at the bottom."),
                   box);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto *status = new QLabel(box);
    status->setWordWrap(true);
    layout->addWidget(status);

    QObject::connect(suffixes, &QLineEdit::textChanged, files,
                     [files](const QString &text) { files->setSuffixes(splitSuffixes(text)); });
    QObject::connect(bound, QOverload<int>::of(&QSpinBox::valueChanged), files, &CComboBox::setMaxCount);
    QObject::connect(allow, &QCheckBox::toggled, files, &CComboBox::setAllowDrop);

    const auto refresh = [files, status]() {
        const QStringList dropped = files->urls();
        status->setText(dropped.isEmpty() ? InputPage::tr("%1 of at most %2 entries. Nothing dropped yet.")
                                                .arg(files->count())
                                                .arg(files->maxCount())
                                          : InputPage::tr("%1 of at most %2 entries. Last drop: %3 file(s), first %4.")
                                                .arg(files->count())
                                                .arg(files->maxCount())
                                                .arg(dropped.size())
                                                .arg(dropped.first()));
    };
    QObject::connect(files->model(), &QAbstractItemModel::rowsInserted, status, refresh);
    QObject::connect(files->model(), &QAbstractItemModel::rowsRemoved, status, refresh);
    QObject::connect(files, QOverload<int>::of(&QComboBox::currentIndexChanged), status, refresh);
    QObject::connect(bound, QOverload<int>::of(&QSpinBox::valueChanged), status, refresh);
    refresh();
    return box;
}

QGroupBox *createOutputBox(SimulatedSupply *supply, QWidget *parent)
{
    auto *box = new QGroupBox(InputPage::tr("Supply outputs (on/off selectors)"), parent);
    auto *layout = new QVBoxLayout(box);
    auto *grid = new QFormLayout;
    layout->addLayout(grid);

    auto *log = new QListWidget(box);
    log->setMaximumHeight(90);

    for (int ch = 0; ch < SimulatedSupply::kChannels; ++ch) {
        auto *row = new QHBoxLayout;
        auto *selector = new CCheckbox(box);
        if (ch == 1) {
            // Renamed states: the selector speaks the instrument's language.
            selector->setCheckedText(InputPage::tr("Enabled"));
            selector->setUnCheckedText(InputPage::tr("Disabled"));
        }
        selector->setChecked(supply->isOutputOn(ch));
        selector->setMinimumWidth(110);

        // A lamp that lights up green while the channel's output is on.
        auto *lamp = new ValueWidget(box);
        lamp->setColor(AbstractStateWidget::kEnabled, {QColor(0x1E, 0x84, 0x49), Qt::white}, true);
        lamp->setColor(AbstractStateWidget::kEnabled, {QColor(0x4A, 0x4F, 0x57), QColor(0xC8, 0xCC, 0xD2)}, false);
        lamp->valueWidget()->setPointSize(14);
        lamp->setMinimumWidth(150);
        lamp->setState(AbstractStateWidget::kEnabled, supply->isOutputOn(ch));
        row->addWidget(selector);
        row->addWidget(lamp, 1);
        grid->addRow(InputPage::tr("CH%1").arg(ch + 1), row);

        QObject::connect(selector, &CCheckbox::toggled, supply, [supply, ch, log](bool on) {
            supply->setOutputOn(ch, on);
            log->addItem(InputPage::tr("%1  CH%2 toggled(%3)")
                             .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")))
                             .arg(ch + 1)
                             .arg(on ? QStringLiteral("true") : QStringLiteral("false")));
            log->scrollToBottom();
        });
        const auto refresh = [supply, ch, selector, lamp]() {
            // Other pages switch the outputs too; setChecked() is silent when nothing changes.
            selector->setChecked(supply->isOutputOn(ch));
            lamp->setValue(QString::number(supply->voltage(ch), 'f', 3));
            lamp->setState(AbstractStateWidget::kEnabled, supply->isOutputOn(ch));
        };
        QObject::connect(supply, &SimulatedSupply::updated, lamp, refresh);
        refresh();
    }
    layout->addWidget(new QLabel(InputPage::tr("toggled() as the selectors emit it:"), box));
    layout->addWidget(log);
    return box;
}

} // namespace

QWidget *createInputPage(const GalleryContext &context)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(createFileBox(page));
    layout->addWidget(createOutputBox(context.supply, page));
    layout->addStretch(1);
    return page;
}
