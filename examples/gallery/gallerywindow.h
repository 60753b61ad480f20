// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// The gallery's main window: a list of pages on the left, the page on the right.
#pragma once

#include "gallerypage.h"

#include <QMainWindow>

class QComboBox;
class QListWidget;
class QStackedWidget;
class QTranslator;

class GalleryWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GalleryWindow(SimulatedSupply *supply, QWidget *parent = nullptr);

    int pageCount() const;
    QString pageId(int index) const;
    void showPage(int index);
    // Switches the library's and the gallery's texts to \a locale ("C" for English).
    void setLanguage(const QString &locale);

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildPages();
    void retranslate();

    SimulatedSupply *m_supply = nullptr;
    QComboBox *m_language = nullptr;
    QList<QTranslator *> m_translators;
    QList<GalleryPage> m_pages;
    QListWidget *m_list = nullptr;
    QStackedWidget *m_stack = nullptr;
};
