// The gallery's main window: a list of pages on the left, the page on the right.
#pragma once

#include "gallerypage.h"

#include <QMainWindow>

class QListWidget;
class QStackedWidget;

class GalleryWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GalleryWindow(SimulatedSupply *supply, QWidget *parent = nullptr);

    int pageCount() const;
    QString pageId(int index) const;
    void showPage(int index);

private:
    QList<GalleryPage> m_pages;
    QListWidget *m_list = nullptr;
    QStackedWidget *m_stack = nullptr;
};
