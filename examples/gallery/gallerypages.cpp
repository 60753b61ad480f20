// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "gallerypage.h"

#include <QCoreApplication>

namespace {

// The translation context of the page titles.
struct GalleryPages
{
    Q_DECLARE_TR_FUNCTIONS(GalleryPages)
};

} // namespace

QList<GalleryPage> galleryPages()
{
    return {
        {QStringLiteral("readouts"), GalleryPages::tr("Readouts"), createReadoutPage},
        {QStringLiteral("devchoose"), GalleryPages::tr("Connect instrument"), createDevChoosePage},
        {QStringLiteral("flagpanels"), GalleryPages::tr("Flag panels"), createFlagPanelPage},
        {QStringLiteral("dialogs"), GalleryPages::tr("Parameter dialogs"), createDialogPage},
        {QStringLiteral("gifmessagebox"), GalleryPages::tr("GIF message box"), createGIFMessageBoxPage},
        {QStringLiteral("equipment"), GalleryPages::tr("Equipment"), createEquipmentPage},
        {QStringLiteral("input"), GalleryPages::tr("Input"), createInputPage},
        {QStringLiteral("window"), GalleryPages::tr("Window"), createWindowPage},
    };
}
