// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file gifmessagebox.h
 * A message dialog with two captioned animations above a Markdown text.
 */
#pragma once

#include <widget/widget_config.h>

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>

#include <memory>

class QMovie;
class Ui_GIFMessageBox;

namespace rilo {
namespace widget {

class FormGuard;

/*!
 * \brief A dialog that shows an animation for each of two devices, captioned
 * "Calibrator" (left) and "Instrument" (right), above a read-only Markdown
 * message, with OK (accepts) and Cancel (rejects).
 *
 * Each picture area is at least 300 × 300 pixels and stays empty until
 * setGIF() gives it a file. The dialog owns its form and its two QMovie
 * objects (children of the dialog). A file that is missing or that QMovie
 * cannot read leaves its picture empty; the dialog shows no message about it.
 *
 * The captions, the title and the default message go through Qt's
 * translation (context "GIFMessageBox", see loadTranslation()). When the
 * application's language changes, the dialog retranslates them: a message set
 * with setMarkdown() stays as the host wrote it, otherwise the default message
 * shows in the new language; a title set with setWindowTitle() stays, and the
 * animations keep playing.
 *
 * The host can reach the form's widgets and the movies through findChild()
 * and may delete them. A call after such a part is gone leaves that part
 * out: setGIF() for a deleted movie does nothing, and for a deleted picture
 * label loads the movie without showing it; setMarkdown() without the message
 * field only keeps the text; start() and stop() skip deleted movies. Once any
 * widget of the form is gone, a language change no longer retranslates the
 * form (its generated code would need every widget).
 */
class RILO_WIDGET_EXPORT GIFMessageBox : public QDialog
{
    Q_OBJECT

public:
    /*! Builds the dialog (624 × 453, title "Dialog") as a child of \a parent. */
    explicit GIFMessageBox(QWidget *parent = nullptr);
    /*! Deletes the form; the widgets and movies go with the dialog. */
    ~GIFMessageBox() override;

    /*!
     * Loads the animation \a fileName (any format QMovie reads, a Qt resource
     * path included) into picture \a index, 0 the left, 1 the right, and starts
     * it. Any other index is ignored.
     */
    void setGIF(int index, const QString &fileName);
    /*!
     * Replaces the whole message with \a markdown, rendered as Markdown. The
     * text is kept and shown again after a language change.
     */
    void setMarkdown(const QString &markdown);
    /*! Starts both animations (from the beginning after a stop()). */
    void start();
    /*! Stops both animations; each keeps showing its current frame. */
    void stop();

protected:
    /*!
     * On QEvent::LanguageChange, sets the form's texts in the new language,
     * keeping the host's message, a title the host set and the animations;
     * then passes the event on to QDialog.
     */
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(GIFMessageBox)
    const std::unique_ptr<Ui_GIFMessageBox> ui;
    std::unique_ptr<FormGuard> form; // which of the form's widgets still live
    QList<QPointer<QMovie>> movies;  // 0 drives the left picture, 1 the right one
    QString hostMarkdown;            // the message given to setMarkdown(), if any
    bool hasHostMarkdown = false;
    QString formTitle; // the title the form set last; any other title is the host's
};

} // namespace widget
} // namespace rilo
