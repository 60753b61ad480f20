// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Page "Window": flashing the gallery window, and finding widgets in the
// gallery's own object tree by class name.
#include "gallerypage.h"

#include <widget/widgethelper.h>
#include <widget/windowflash.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

using rilo::widget::WidgetHelper;
using rilo::widget::WindowFlash;

namespace {

// The page's translation context.
struct WindowPage
{
    Q_DECLARE_TR_FUNCTIONS(WindowPage)
};

// Holds the WindowFlash for the gallery window. It is made on the first click,
// not while the gallery builds its pages, as it gives the window a native handle.
class FlashBox : public QGroupBox
{
public:
    FlashBox(QWidget *window, QWidget *parent)
        : QGroupBox(WindowPage::tr("Window flashing"), parent)
        , m_window(window)
    {
        auto *layout = new QVBoxLayout(this);
        auto *text = new QLabel(
            WindowPage::tr("Draws attention to the gallery window: on Windows its caption and task-bar "
                           "button flash; elsewhere the window manager marks it as urgent until it is "
                           "activated or the time is up. Switch to another window after clicking to see it."),
            this);
        text->setWordWrap(true);
        layout->addWidget(text);

        auto *buttons = new QHBoxLayout;
        auto *once = new QPushButton(WindowPage::tr("Flash for 3 seconds"), this);
        auto *start = new QPushButton(WindowPage::tr("Flash until stopped"), this);
        auto *stop = new QPushButton(WindowPage::tr("Stop"), this);
        buttons->addWidget(once);
        buttons->addWidget(start);
        buttons->addWidget(stop);
        buttons->addStretch(1);
        layout->addLayout(buttons);
        m_status = new QLabel(WindowPage::tr("Not flashing."), this);
        layout->addWidget(m_status);

        connect(once, &QPushButton::clicked, this, [this]() {
            flash()->startOnce(3000);
            m_status->setText(WindowPage::tr("Flashing for 3 seconds, every half second."));
            QTimer::singleShot(3000, m_status, [this]() { m_status->setText(WindowPage::tr("Not flashing.")); });
        });
        connect(start, &QPushButton::clicked, this, [this]() {
            flash()->start();
            m_status->setText(WindowPage::tr("Flashing until stopped."));
        });
        connect(stop, &QPushButton::clicked, this, [this]() {
            flash()->stop();
            m_status->setText(WindowPage::tr("Not flashing."));
        });
    }

private:
    WindowFlash *flash()
    {
        if (!m_flash)
            m_flash = std::make_unique<WindowFlash>(m_window);
        return m_flash.get();
    }

    QWidget *m_window;
    QLabel *m_status = nullptr;
    std::unique_ptr<WindowFlash> m_flash;
};

// Title of the group box or window an object sits in, to tell the results apart.
QString groupOf(QObject *object)
{
    for (QObject *o = object->parent(); o; o = o->parent()) {
        if (auto *group = qobject_cast<QGroupBox *>(o))
            return group->title();
        if (o->isWidgetType() && static_cast<QWidget *>(o)->isWindow())
            return static_cast<QWidget *>(o)->windowTitle();
        if (o->inherits("QMdiSubWindow"))
            return static_cast<QWidget *>(o)->windowTitle();
    }
    return QString();
}

QGroupBox *createFinderBox(QWidget *parent)
{
    auto *box = new QGroupBox(WindowPage::tr("Finding widgets by class"), parent);
    auto *layout = new QVBoxLayout(box);
    auto *main = new QLabel(box);
    layout->addWidget(main);

    auto *row = new QHBoxLayout;
    auto *names = new QLineEdit(QStringLiteral("QComboBox, QAbstractSpinBox"), box);
    names->setToolTip(
        WindowPage::tr("Meta-object class names, fully qualified, separated by commas; empty finds every object"));
    auto *recursive = new QCheckBox(WindowPage::tr("Recursive"), box);
    recursive->setChecked(true);
    auto *find = new QPushButton(WindowPage::tr("Find in main window"), box);
    row->addWidget(new QLabel(WindowPage::tr("Classes"), box));
    row->addWidget(names, 1);
    row->addWidget(recursive);
    row->addWidget(find);
    layout->addLayout(row);

    auto *results = new QTreeWidget(box);
    results->setHeaderLabels({WindowPage::tr("Class"), WindowPage::tr("Group"), WindowPage::tr("Text")});
    results->setRootIsDecorated(false);
    results->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    results->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    layout->addWidget(results, 1);

    const auto search = [=]() {
        results->clear();
        QMainWindow *window = WidgetHelper::getTopMainWindow();
        main->setText(window ? WindowPage::tr("Main window: %1 \"%2\"")
                                   .arg(QString::fromLatin1(window->metaObject()->className()), window->windowTitle())
                             : WindowPage::tr("No main window."));
        QStringList classes;
        const QStringList parts = names->text().split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &part : parts) {
            if (!part.trimmed().isEmpty())
                classes.append(part.trimmed());
        }
        const QList<QObject *> found = WidgetHelper::getChildren(window, classes, recursive->isChecked());
        for (QObject *object : found) {
            const QVariant text = object->property("text");
            const QVariant current = object->property("currentText");
            new QTreeWidgetItem(results, {QString::fromLatin1(object->metaObject()->className()), groupOf(object),
                                          current.isValid() ? current.toString() : text.toString()});
        }
        box->setTitle(WindowPage::tr("Finding widgets by class: %n found", nullptr, found.size()));
    };
    QObject::connect(find, &QPushButton::clicked, box, search);
    QObject::connect(names, &QLineEdit::returnPressed, box, search);
    // Search once the gallery window is complete.
    QTimer::singleShot(0, box, search);
    return box;
}

} // namespace

QWidget *createWindowPage(const GalleryContext &context)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new FlashBox(context.window, page));
    layout->addWidget(createFinderBox(page), 1);
    return page;
}
