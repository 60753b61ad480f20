#include "gallerywindow.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QStackedWidget>

GalleryWindow::GalleryWindow(SimulatedSupply *supply, QWidget *parent)
    : QMainWindow(parent)
    , m_pages(galleryPages())
{
    setWindowTitle(tr("librilo_widget gallery"));

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    m_list = new QListWidget(central);
    m_list->setMaximumWidth(180);
    m_stack = new QStackedWidget(central);
    layout->addWidget(m_list);
    layout->addWidget(m_stack, 1);
    setCentralWidget(central);

    const GalleryContext context{supply, this};
    for (const GalleryPage &page : qAsConst(m_pages)) {
        m_list->addItem(page.title);
        m_stack->addWidget(page.create(context));
    }
    connect(m_list, &QListWidget::currentRowChanged, m_stack, &QStackedWidget::setCurrentIndex);
    m_list->setCurrentRow(0);
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
