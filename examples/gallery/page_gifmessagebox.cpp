// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Page "GIF message box": the message box with the project's two animations
// (tests/data, built into the gallery as resources) and a Markdown message,
// embedded in the page as a live preview and also opened as a modal dialog.
#include "gallerypage.h"
#include "simulatedsupply.h"

#include <widget/gifmessagebox.h>

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using rilo::widget::GIFMessageBox;

namespace {

// The page's translation context.
struct GIFMessageBoxPage
{
    Q_DECLARE_TR_FUNCTIONS(GIFMessageBoxPage)
};

const QString kCalibratorGif = QStringLiteral(":/animations/calibrator.gif");
const QString kInstrumentGif = QStringLiteral(":/animations/instrument.gif");

QString message(const SimulatedSupply *supply)
{
    return GIFMessageBoxPage::tr(
               "### Zero the instrument\n\n"
               "Connect the **calibrator** output to the input of the **instrument** and press **OK**. "
               "The instrument then measures the reference and stores its offset.\n\n"
               "- Calibrator: %1 V reference\n"
               "- Instrument: channel CH1, now reading %2 V\n")
        .arg(supply->setVoltage(0), 0, 'f', 3)
        .arg(supply->voltage(0), 0, 'f', 3);
}

void fill(GIFMessageBox *box, const SimulatedSupply *supply)
{
    box->setGIF(0, kCalibratorGif);
    box->setGIF(1, kInstrumentGif);
    box->setMarkdown(message(supply));
}

// The form leaves the pictures at the left of their 300-pixel areas; the
// gallery's small animations look better centred under their captions.
void centrePictures(GIFMessageBox *box)
{
    for (const char *name : {"lblGifLeft", "lblGifRight"}) {
        if (auto *picture = box->findChild<QLabel *>(QLatin1String(name)))
            picture->setAlignment(Qt::AlignCenter);
    }
}

} // namespace

QWidget *createGIFMessageBoxPage(const GalleryContext &context)
{
    SimulatedSupply *supply = context.supply;
    QWidget *window = context.window;
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    auto *controls = new QHBoxLayout;
    auto *open = new QPushButton(GIFMessageBoxPage::tr("Open as dialog…"), page);
    auto *pause = new QPushButton(GIFMessageBoxPage::tr("Stop animations"), page);
    pause->setCheckable(true);
    auto *result =
        new QLabel(GIFMessageBoxPage::tr("The preview below is the message box itself, embedded in the page."), page);
    controls->addWidget(open);
    controls->addWidget(pause);
    controls->addWidget(result, 1);
    layout->addLayout(controls);

    // The preview: the dialog turned into a child widget. OK and Cancel end
    // it like any dialog (which hides it), so it is shown again at once.
    auto *preview = new GIFMessageBox(page);
    preview->setWindowFlags(Qt::Widget);
    fill(preview, supply);
    centrePictures(preview);
    layout->addWidget(preview, 1);
    QObject::connect(preview, &QDialog::finished, page, [preview, result](int code) {
        result->setText(code == QDialog::Accepted ? GIFMessageBoxPage::tr("Preview: OK pressed")
                                                  : GIFMessageBoxPage::tr("Preview: Cancel pressed"));
        preview->show();
    });
    QObject::connect(pause, &QPushButton::toggled, preview, [preview, pause](bool stopped) {
        if (stopped)
            preview->stop();
        else
            preview->start();
        pause->setText(stopped ? GIFMessageBoxPage::tr("Start animations") : GIFMessageBoxPage::tr("Stop animations"));
    });

    QObject::connect(open, &QPushButton::clicked, page, [window, supply, result]() {
        GIFMessageBox box(window);
        box.setWindowTitle(GIFMessageBoxPage::tr("Zero the instrument"));
        fill(&box, supply);
        centrePictures(&box);
        const int code = box.exec();
        result->setText(code == QDialog::Accepted ? GIFMessageBoxPage::tr("Dialog: accepted, offset stored")
                                                  : GIFMessageBoxPage::tr("Dialog: cancelled"));
    });
    return page;
}
