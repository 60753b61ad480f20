// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file checkbuttondialog.h
 * A dialog of checkable push buttons built from (text, value) pairs.
 */
#pragma once

#include <widget/widget_config.h>

#include <QDialog>
#include <QList>
#include <QString>
#include <QVariant>

#include <tuple>
#include <utility>

class QPushButton;

namespace rilo {
namespace widget {

class CheckButtonDialogPrivate;

/*!
 * \brief A dialog that offers checkable push buttons in a grid and reports
 * every click at once.
 *
 * Each (text, value) pair becomes one checkable QPushButton of at least
 * 80 × 49 pixels showing the text; the value is stored on the button as its
 * dynamic property "UserData". The buttons are independent (any number
 * checked) until setExclusive(true). The dialog has no OK or Cancel button and
 * never closes by itself: the host reacts to buttonClicked() and closes it.
 *
 * Layout: with a column count greater than 0, button i goes to row
 * i / columns + 1 and column i % columns (row 0 stays empty); with a column
 * count of 0 all buttons stand in row 0. A negative column count is treated
 * like 0.
 *
 * The dialog owns its buttons; they are children of the dialog and are deleted
 * last to first when it is destroyed.
 */
class RILO_WIDGET_EXPORT CheckButtonDialog : public QDialog
{
    Q_OBJECT

public:
    /*! One button's entry: its text, its value and the button itself (owned by the dialog). */
    using TParam = std::tuple<QString, QVariant, QPushButton *>;

    /*!
     * Builds the dialog as a child of \a parent with window \a flags, one
     * button per item of \a items, laid out in \a columns columns.
     */
    explicit CheckButtonDialog(const QList<std::pair<QString, QVariant>> &items, int columns = 0,
                               QWidget *parent = nullptr, const Qt::WindowFlags &flags = Qt::WindowFlags());
    /*! Deletes the buttons from the last to the first. */
    ~CheckButtonDialog() override;

    /*!
     * Switches between independent buttons (\a exclusive false, the default)
     * and exclusive ones, of which at most one is checked.
     */
    void setExclusive(bool exclusive);

    /*!
     * Checks or unchecks the first button whose stored text equals \a text,
     * ignoring case, and gives it keyboard focus. Later buttons with the same
     * text are not touched; without a match nothing happens. Pass a QString
     * (QStringLiteral): a bare string literal would be ambiguous with the
     * QVariant overload.
     */
    void setChecked(const QString &text, bool checked);
    /*!
     * Checks or unchecks the first button whose value equals \a value
     * (QVariant equality) and gives it keyboard focus; without a match nothing
     * happens.
     */
    void setChecked(const QVariant &value, bool checked);
    /*!
     * Checks or unchecks every button in order; focus does not move. In
     * exclusive mode checking all leaves the last button checked, and the
     * checked button cannot be unchecked.
     */
    void setCheckedAll(bool checked);

    /*!
     * Creates one button configured as the dialog's buttons are (text
     * \a text, "UserData" \a data, checkable, minimum 80 × 49), without a
     * parent: the caller owns it.
     */
    static QPushButton *makeButton(const QString &text, const QVariant &data);

Q_SIGNALS:
    /*!
     * Emitted when a button is clicked, after the click has toggled it.
     * \a param is the dialog's own stored entry for that button, passed by
     * reference: a handler that changes the text changes what a later
     * setChecked(text, ...) matches. The type is not registered with the
     * meta-type system, so only direct connections receive this signal.
     */
    void buttonClicked(CheckButtonDialog::TParam &param);

private Q_SLOTS:
    void sltButtonClicked();

private:
    Q_DISABLE_COPY(CheckButtonDialog)
    CheckButtonDialogPrivate *d;
};

} // namespace widget
} // namespace rilo
