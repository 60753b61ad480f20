#include "gallerypage.h"

#include <QCoreApplication>

QList<GalleryPage> galleryPages()
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("GalleryPages", text); };
    return {
        {QStringLiteral("readouts"), tr("Readouts"), createReadoutPage},
        {QStringLiteral("devchoose"), tr("Connect instrument"), createDevChoosePage},
        {QStringLiteral("flagpanels"), tr("Flag panels"), createFlagPanelPage},
        {QStringLiteral("dialogs"), tr("Parameter dialogs"), createDialogPage},
        {QStringLiteral("gifmessagebox"), tr("GIF message box"), createGIFMessageBoxPage},
        {QStringLiteral("equipment"), tr("Equipment"), createEquipmentPage},
        {QStringLiteral("input"), tr("Input"), createInputPage},
        {QStringLiteral("window"), tr("Window"), createWindowPage},
    };
}
