// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// The gallery's page registry: each page lives in its own page_*.cpp file and
// is listed once in gallerypages.cpp.
#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;
class SimulatedSupply;

// What every page gets: the one simulated instrument the pages share, and the
// window, for pages that act on it (flashing, dialogs).
struct GalleryContext
{
    SimulatedSupply *supply = nullptr;
    QWidget *window = nullptr;
};

struct GalleryPage
{
    QString id;    // file name of the page's screenshot, without .png
    QString title; // shown in the page list
    std::function<QWidget *(const GalleryContext &)> create;
};

// All pages, in the order the gallery shows them.
QList<GalleryPage> galleryPages();

// One factory per page (page_*.cpp).
QWidget *createReadoutPage(const GalleryContext &context);
QWidget *createDevChoosePage(const GalleryContext &context);
QWidget *createFlagPanelPage(const GalleryContext &context);
QWidget *createDialogPage(const GalleryContext &context);
QWidget *createGIFMessageBoxPage(const GalleryContext &context);
QWidget *createEquipmentPage(const GalleryContext &context);
QWidget *createInputPage(const GalleryContext &context);
QWidget *createWindowPage(const GalleryContext &context);
