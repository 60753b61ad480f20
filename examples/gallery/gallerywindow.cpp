// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "gallerywindow.h"

#include <widget/widget_config.h>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLibraryInfo>
#include <QLocale>
#include <QListWidget>
#include <QStackedWidget>
#include <QToolBar>
#include <QTranslator>

GalleryWindow::GalleryWindow(SimulatedSupply *supply, QWidget *parent)
    : QMainWindow(parent)
    , m_supply(supply)
{
    auto *toolBar = addToolBar(QString());
    toolBar->setMovable(false);
    toolBar->setObjectName(QStringLiteral("languageBar"));
    m_language = new QComboBox(toolBar);
    m_language->addItem(QStringLiteral("English"), QStringLiteral("C"));
    m_language->addItem(QStringLiteral("Deutsch"), QStringLiteral("de_DE"));
    m_language->addItem(QStringLiteral("简体中文"), QStringLiteral("zh_CN"));
    toolBar->addWidget(m_language);
    connect(m_language, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { setLanguage(m_language->itemData(index).toString()); });

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    m_list = new QListWidget(central);
    m_list->setMaximumWidth(180);
    m_stack = new QStackedWidget(central);
    layout->addWidget(m_list);
    layout->addWidget(m_stack, 1);
    setCentralWidget(central);
    connect(m_list, &QListWidget::currentRowChanged, m_stack, &QStackedWidget::setCurrentIndex);

    buildPages();
    retranslate();
}

void GalleryWindow::buildPages()
{
    // Pages are built anew after a language switch, so every text they and
    // the library's widgets set in their constructors comes out translated.
    const int current = qMax(0, m_list->currentRow());
    m_list->clear();
    while (m_stack->count() > 0) {
        QWidget *page = m_stack->widget(0);
        m_stack->removeWidget(page);
        delete page;
    }
    m_pages = galleryPages();
    const GalleryContext context{m_supply, this};
    for (const GalleryPage &page : qAsConst(m_pages)) {
        m_list->addItem(page.title);
        m_stack->addWidget(page.create(context));
    }
    // Wide enough for the longest title in the current language, which the
    // pages' own minimum widths would otherwise squeeze.
    const int titles = m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 8;
    m_list->setMinimumWidth(titles);
    m_list->setMaximumWidth(qMax(180, titles));
    m_list->setCurrentRow(qMin(current, m_pages.size() - 1));
}

void GalleryWindow::retranslate()
{
    setWindowTitle(tr("librilo_widget gallery"));
}

void GalleryWindow::setLanguage(const QString &locale)
{
    for (QTranslator *translator : qAsConst(m_translators)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    m_translators.clear();
    if (locale != QLatin1String("C")) {
        auto *library = new QTranslator(this);
        if (rilo::widget::loadTranslation(library, QLocale(locale)))
            m_translators.append(library);
        else
            delete library;
        // Qt's own texts (the OK and Cancel of button boxes, context menus).
        auto *qt = new QTranslator(this);
        if (qt->load(QLocale(locale), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
            m_translators.append(qt);
        else
            delete qt;
        auto *gallery = new QTranslator(this);
        if (gallery->load(QLocale(locale), QStringLiteral("gallery"), QStringLiteral("_"),
                          QStringLiteral(":/gallery/translations")))
            m_translators.append(gallery);
        else
            delete gallery;
        for (QTranslator *translator : qAsConst(m_translators))
            QCoreApplication::installTranslator(translator);
    }
    const int index = m_language->findData(locale);
    if (index >= 0 && index != m_language->currentIndex()) {
        const QSignalBlocker blocker(m_language);
        m_language->setCurrentIndex(index);
    }
    buildPages();
}

void GalleryWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

int GalleryWindow::pageCount() const
{
    return m_pages.size();
}

QString GalleryWindow::pageId(int index) const
{
    return m_pages.at(index).id;
}

void GalleryWindow::showPage(int index)
{
    m_list->setCurrentRow(index);
}
