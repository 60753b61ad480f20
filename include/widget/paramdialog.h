// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file paramdialog.h
 * Small dialogs that ask the user for a parameter: a choice of buttons, a
 * number, or both.
 */
#pragma once

#include <widget/widget_config.h>

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>
#include <QVariant>

class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace rilo {
namespace widget {

/*!
 * \brief One check button of a parameter dialog: its text and the value it
 * carries (stored on the button as the dynamic property "UserData").
 */
struct RILO_WIDGET_EXPORT DialogButtonParam
{
    QString text;  //!< the button's text
    QVariant data; //!< the button's value
};

/*!
 * \brief A dialog of independent checkable buttons built from
 * DialogButtonParam records; it signals each click with the clicked button.
 *
 * Every button is a checkable QPushButton of at least 80 × 49 pixels with the
 * record's value in its "UserData" property, a child of the dialog. Layout:
 * with a column count greater than 0, button i goes to row i / columns + 1 and
 * column i % columns (row 0 stays empty); with a column count of 0, or a
 * negative one, all buttons stand in row 0. The window flags are used as
 * given. The dialog has no OK button; the host closes it. A button the host
 * deletes is passed over by setCheck().
 */
class RILO_WIDGET_EXPORT CheckButtonDialog_ : public QDialog
{
    Q_OBJECT

public:
    /*! Builds the dialog as a child of \a parent with window \a flags, one button per record. */
    explicit CheckButtonDialog_(const QList<DialogButtonParam> &params, int columns = 0, QWidget *parent = nullptr,
                                const Qt::WindowFlags &flags = Qt::WindowFlags());
    ~CheckButtonDialog_() override;

    /*!
     * Checks the first button whose text equals \a text exactly (case
     * matters) and gives it focus; without a match nothing happens. There is
     * no way to uncheck through this dialog.
     */
    void setCheck(const QString &text);
    /*! Checks the first button whose "UserData" equals \a value and gives it focus. */
    void setCheck(const QVariant &value);

    /*! Creates one configured check button without a parent; the caller owns it. */
    static QPushButton *makeButton(const QString &text, const QVariant &data);

Q_SIGNALS:
    /*! Emitted when \a button (one of the dialog's buttons) was clicked, after it toggled. */
    void buttonClicked(QObject *button);

private Q_SLOTS:
    void sltButtonClicked();

private:
    Q_DISABLE_COPY(CheckButtonDialog_)
    QList<QPointer<QPushButton>> buttons; // guarded: the host may delete them
};

/*!
 * \brief A dialog that asks for one number: a label "Value", a double spin
 * box and an OK button that accepts the dialog.
 *
 * The title bar has no context-help button. The spin box keeps the
 * QDoubleSpinBox defaults (0 to 99.99, two decimals, step 1), so setValue()
 * clamps to that range. The label and button texts are translated and follow
 * a change of the application's language.
 *
 * Once the host has deleted the spin box, value() returns 0 and setValue()
 * does nothing; a deleted label or OK button is no longer retranslated.
 */
class RILO_WIDGET_EXPORT SpinBoxDialog : public QDialog
{
    Q_OBJECT

public:
    /*! Builds the dialog as a child of \a parent with window \a flags, less the context-help hint. */
    explicit SpinBoxDialog(QWidget *parent = nullptr, const Qt::WindowFlags &flags = Qt::WindowFlags());
    ~SpinBoxDialog() override;

    /*! The spin box's value. */
    double value() const;
    /*! Sets the spin box's value, clamped to 0 to 99.99 (infinities included); a NaN is ignored. */
    void setValue(double value);

protected:
    /*! On QEvent::LanguageChange, sets "Value" and "OK" in the new language; then passes the event on. */
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(SpinBoxDialog)
    void retranslate();

    QPointer<QDoubleSpinBox> spinBox; // guarded, as the host may delete the parts
    QPointer<QLabel> valueLabel;
    QPointer<QPushButton> okButton;
};

/*!
 * \brief A dialog that asks for an exclusive choice and a number together.
 *
 * makeInstance() builds it: exclusive check buttons from DialogButtonParam
 * records (laid out as in CheckButtonDialog_, horizontal spacing 18), below
 * them a double spin box with a separate suffix label to its right, and an OK
 * button that accepts the dialog. No button is checked at first. After
 * exec() returned QDialog::Accepted, checked() and value() give the choice.
 * The OK button's text is translated and follows a change of the
 * application's language; the check buttons and the suffix keep the host's
 * texts.
 *
 * The public constructor makes an empty dialog without buttons, spin box or
 * suffix label; on such a dialog value() returns 0 and setValue(),
 * setValueRange() and setSuffix() are ignored. The same holds for each part
 * the host deletes: a deleted button is passed over by setCheck() and
 * checked(), a deleted spin box or suffix label makes their calls do nothing
 * (value() returns 0), and a deleted OK button is no longer retranslated.
 */
class RILO_WIDGET_EXPORT CheckButtonAndSpinBoxDialog : public QDialog
{
    Q_OBJECT

public:
    /*!
     * Creates a complete dialog with \a params laid out in \a columns columns
     * (a negative count is treated like 0) as a child of \a parent, without a
     * context-help button. The caller, or \a parent, owns the dialog.
     */
    static CheckButtonAndSpinBoxDialog *makeInstance(const QList<DialogButtonParam> &params, int columns,
                                                     QWidget *parent = nullptr);

    /*! Creates an empty dialog; only makeInstance() builds the content. */
    explicit CheckButtonAndSpinBoxDialog(QWidget *parent = nullptr, const Qt::WindowFlags &flags = Qt::WindowFlags());
    ~CheckButtonAndSpinBoxDialog() override;

    /*! Creates one configured check button without a parent; the caller owns it. */
    static QPushButton *makeButton(const QString &text, const QVariant &data);

    /*!
     * The "UserData" value of the first checked button in record order, or an
     * invalid QVariant when no button is checked.
     */
    QVariant checked() const;
    /*! Checks the first button whose text equals \a text exactly and gives it focus. */
    void setCheck(const QString &text);
    /*! Checks the first button whose "UserData" equals \a value and gives it focus. */
    void setCheck(const QVariant &value);

    /*! The spin box's value; 0 on a dialog without spin box. */
    double value() const;
    /*! Sets the spin box's value, clamped to its range; a NaN is ignored. */
    void setValue(double value);
    /*! Sets the spin box's range (QDoubleSpinBox::setRange); a NaN for either bound is ignored. */
    void setValueRange(double minimum, double maximum);
    /*! Shows \a suffix in the label right of the spin box (not as the spin box's own suffix). */
    void setSuffix(const QString &suffix);

protected:
    /*! On QEvent::LanguageChange, sets "OK" in the new language; then passes the event on. */
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(CheckButtonAndSpinBoxDialog)
    QList<QPointer<QPushButton>> buttons; // guarded: the host may delete them
    QPointer<QDoubleSpinBox> spinBox;     // guarded, as the host may delete the parts
    QPointer<QLabel> suffixLabel;
    QPointer<QPushButton> okButton;
};

} // namespace widget
} // namespace rilo
