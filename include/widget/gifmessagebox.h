/*!
 * \file gifmessagebox.h
 * A message dialog with two captioned animations above a Markdown text.
 */
#pragma once

#include <widget/widget_config.h>

#include <QDialog>
#include <QList>

class QMovie;
class Ui_GIFMessageBox;

namespace rilo {
namespace widget {

/*!
 * \brief A dialog that shows an animation for each of two devices, captioned
 * "Calibrator" (left) and "Instrument" (right), above a read-only Markdown
 * message, with OK (accepts) and Cancel (rejects).
 *
 * Each picture area is at least 300 × 300 pixels and stays empty until
 * setGIF() gives it a file. The dialog owns its form and its two QMovie
 * objects (children of the dialog). A file that is missing or that QMovie
 * cannot read leaves its picture empty; the dialog shows no message about it.
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
    /*! Replaces the whole message with \a markdown, rendered as Markdown. */
    void setMarkdown(const QString &markdown);
    /*! Starts both animations (from the beginning after a stop()). */
    void start();
    /*! Stops both animations; each keeps showing its current frame. */
    void stop();

private:
    Q_DISABLE_COPY(GIFMessageBox)
    Ui_GIFMessageBox *ui;
    QList<QMovie *> movies; // 0 drives the left picture, 1 the right one
};

} // namespace widget
} // namespace rilo
