// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/gifmessagebox.h>

#include "ui_gifmessagebox.h"
#include "../util/formguard_p.h"
#include "../util/formtitle_p.h"

#include <QEvent>
#include <QMovie>

namespace rilo {
namespace widget {

GIFMessageBox::GIFMessageBox(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_GIFMessageBox)
    , form(new FormGuard)
{
    ui->setupUi(this);
    form->watch({ui->lblGifRight, ui->buttonBox, ui->edtMessage, ui->lblGifLeft, ui->label, ui->label_2});

    movies.append(new QMovie(this));
    ui->lblGifLeft->setMovie(movies.at(0));
    movies.append(new QMovie(this));
    ui->lblGifRight->setMovie(movies.at(1));

    formTitle = windowTitle();
}

GIFMessageBox::~GIFMessageBox() = default;

void GIFMessageBox::setGIF(int index, const QString &fileName)
{
    if (index < 0 || index >= movies.size())
        return;
    QMovie *movie = movies.at(index);
    if (!movie)
        return; // deleted by the host
    QLabel *picture = form->live(index == 0 ? ui->lblGifLeft : ui->lblGifRight);
    // setFileName() stops a running movie's timer but leaves it in the Running
    // state, in which start() does nothing: stop first, so that a second file
    // given to the same picture really plays.
    movie->stop();
    movie->setFileName(fileName);
    movie->start(); // reads the first frame at once
    // QMovie keeps the last frame of the previous file when the new one
    // yields no frame (missing, not an animation, truncated). Such a file must
    // leave the picture empty, so the label lets go of the movie until a
    // readable file comes.
    if (!picture)
        return;
    if (movie->currentFrameNumber() >= 0) {
        if (picture->movie() != movie)
            picture->setMovie(movie);
    } else {
        picture->clear();
    }
}

void GIFMessageBox::setMarkdown(const QString &markdown)
{
    hostMarkdown = markdown;
    hasHostMarkdown = true;
    if (QTextEdit *message = form->live(ui->edtMessage))
        message->setMarkdown(markdown);
}

void GIFMessageBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && form->isIntact()) {
        // retranslateUi() also clears both picture labels, which detaches
        // their movies, puts the default message back and sets the form's
        // title: give the pictures their movies again (a picture left empty
        // for an unreadable file stays empty), and keep the host's message
        // and a title the host set.
        QMovie *const left = ui->lblGifLeft->movie();
        QMovie *const right = ui->lblGifRight->movie();
        followFormTitle(this, formTitle, [this] { ui->retranslateUi(this); });
        if (left)
            ui->lblGifLeft->setMovie(left);
        if (right)
            ui->lblGifRight->setMovie(right);
        if (hasHostMarkdown)
            ui->edtMessage->setMarkdown(hostMarkdown);
    }
    QDialog::changeEvent(event);
}

void GIFMessageBox::start()
{
    for (QMovie *movie : qAsConst(movies)) {
        if (movie)
            movie->start();
    }
}

void GIFMessageBox::stop()
{
    for (QMovie *movie : qAsConst(movies)) {
        if (movie)
            movie->stop();
    }
}

} // namespace widget
} // namespace rilo
