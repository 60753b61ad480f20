// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file windowflash.h
 * Draws the user's attention to a window by flashing it.
 */
#pragma once

#include <widget/widget_config.h>

#include <QtGlobal>

#include <memory>

class QWidget;

namespace rilo {
namespace widget {

class WindowFlashPrivate;

/*!
 * \brief Flashes a window's caption and task-bar button, until stopped or for a while.
 *
 * On Windows each operation is one call of FlashWindowEx with the native
 * handle the widget had when the WindowFlash was made (the constructor calls
 * QWidget::winId(), which gives the widget a native window if it has none).
 * Elsewhere starting sets the window's urgency hint through QWindow::alert():
 * for count × interval milliseconds, or until the user activates the window
 * when the count is 0. Stopping withdraws a Windows flash at once; on other
 * platforms Qt offers no way to withdraw an alert, so a stop request has no
 * visible effect there and the hint ends on activation or when its time is up.
 *
 * The widget is not owned. The object watches it: once the widget is gone
 * (deleted by the host, or closed with Qt::WA_DeleteOnClose), start() and
 * startOnce() do nothing, while stop() and the destructor still send their
 * stop request with the handle taken at construction. If Qt later gives the
 * widget a new native window, the object keeps addressing the old handle.
 *
 * Every request goes to a Backend when one is given to the constructor, and
 * to the platform otherwise; a Backend lets an application route flashing
 * elsewhere (a tray icon, a log) and lets tests see each request.
 */
class RILO_WIDGET_EXPORT WindowFlash
{
public:
    /*! Values of Request::flags; they are the FLASHW_* values of the Windows API. */
    enum Flag : quint32 {
        kStop = 0,                         //!< stop flashing and restore the window's normal look
        kCaption = 1,                      //!< flash the caption
        kTray = 2,                         //!< flash the task-bar button
        kTimer = 4,                        //!< flash until stopped (count 0) or count times
        kFlash = kCaption | kTray | kTimer //!< what the start operations send: 7
    };

    /*! One request to the platform: flash (or stop flashing) a native window. */
    struct Request
    {
        quintptr window = 0;    //!< native handle taken from QWidget::winId() at construction; 0 for a null widget
        quint32 flags = kFlash; //!< kFlash to flash, kStop to stop
        quint32 count = 0;      //!< number of flashes; 0 flashes until stopped
        quint32 interval = 0;   //!< milliseconds between flashes; 0 takes the system's cursor blink rate
    };

    /*!
     * \brief Receiver of flash requests in place of the platform.
     *
     * Each start or stop operation calls flash() once with the complete
     * request. The WindowFlash does not own its backend; the backend must
     * outlive it, as the destructor sends a last stop request.
     */
    class RILO_WIDGET_EXPORT Backend
    {
    public:
        virtual ~Backend();
        /*! Carries out \a request. */
        virtual void flash(const Request &request) = 0;
    };

    /*!
     * Prepares flashing for \a widget, which it does not own, and takes its
     * native handle (creating the native window if needed). Requests go to
     * \a backend when it is not null, to the platform otherwise. Nothing
     * flashes yet. A null \a widget makes start() and startOnce() do nothing.
     */
    explicit WindowFlash(QWidget *widget, Backend *backend = nullptr);
    /*! Sends one stop request, then destroys the object. */
    ~WindowFlash();

    /*!
     * Flashes until stop(): flags kFlash, count 0, interval 0. Does nothing
     * for a null widget, a widget that is gone, or a widget without a native
     * window now.
     */
    void start();

    /*!
     * Flashes at 500 ms intervals for about \a milliseconds: the count is the
     * number of 500 ms intervals rounded half up (249 ms give 0, which
     * flashes until stopped; 250 ms give 1; 10000 ms give 20). Does nothing
     * for a null widget, a widget that is gone, or a widget without a native
     * window now.
     */
    void startOnce(unsigned int milliseconds);

    /*!
     * Stops flashing: sends flags kStop with the stored handle, also for a
     * null widget (with handle 0).
     */
    void stop();

private:
    Q_DISABLE_COPY(WindowFlash)
    const std::unique_ptr<WindowFlashPrivate> d;
};

} // namespace widget
} // namespace rilo
