// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file dlgdevchoose.h
 * The instrument connection dialog: interface, address and serial settings.
 */
#pragma once

#include <widget/widget_config.h>

#include <measure/io/visa/visaioparam.h>

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class Ui_DlgDevChoose;

namespace rilo {
namespace widget {

class FormGuard;

/*!
 * \brief Modal dialog in which the user chooses how to reach an instrument:
 * over USB, LAN (IPv4 address, connection mode, port) or RS232 (baud rate,
 * data bits, stop bits, parity).
 *
 * The dialog works on the host's VisaIOParam record, which it keeps by
 * reference: the host must keep the record alive as long as the dialog exists.
 * The constructor shows the record's values; checking another interface
 * writes VisaIOParam::intfType into the record at once and shows that
 * interface's page. accept() writes all other members back; reject() writes
 * nothing more, so a cancelled dialog still leaves a changed interface in the
 * record.
 *
 * Record values the lists do not contain (an unknown baud rate, an
 * enumeration value outside the lists) open the dialog without a current
 * item; confirming then stores 0 for them. The port field takes 0 to
 * 999999999: a negative port shows and is stored as 0, a larger one as
 * 999999999. An interface type other than USB, LAN, RS232 or GPIB shows USB
 * checked but leaves the record's interface unchanged until the user picks
 * one. GPIB is kept in the form but hidden.
 *
 * The baud-rate field is editable and accepts digits only. On confirmation a
 * rate chosen from the list stores that rate; a rate typed into the field that
 * is not one of the listed rates (230400, say) is stored as typed, so that
 * the record holds what the user sees. A field left empty, or holding a number
 * that does not fit into 32 bits, stores 0.
 *
 * Texts: the form's texts ("Port Type", "IP Address", "Baudrate", ...), the
 * names of the parity modes and the invalid-address message go through Qt's
 * translation (see loadTranslation()). When the application's language
 * changes while the dialog exists, it retranslates itself and keeps what the
 * user entered: the address text stays as typed, every choice stays. A window
 * title that the host set with setWindowTitle() stays too; otherwise the
 * title follows the language. The LAN modes keep their protocol names.
 *
 * The widgets are children of the dialog; the dialog owns its form object.
 * The host can reach them through findChild() and may delete them: a field
 * that is gone leaves its record member as it is on confirmation (with the
 * address field gone, a LAN address is not checked either), a radio button
 * whose page is gone still writes the interface, and once any widget of the
 * form is gone a language change retranslates only the parity names. A
 * handler that deletes the dialog while the invalid-address message box is
 * open ends accept() there.
 */
class RILO_WIDGET_EXPORT DlgDevChoose : public QDialog
{
    Q_OBJECT

public:
    /*!
     * Builds the dialog on \a ioParam, which it reads now and writes on
     * confirmation. \a addresses become the completion list of the address
     * field (an empty list completes nothing).
     */
    explicit DlgDevChoose(rilo::measure::io::visa::VisaIOParam &ioParam, const QStringList &addresses,
                          QWidget *parent = nullptr);
    ~DlgDevChoose() override;

    /*! The record given to the constructor, for the host to read after the dialog has closed. */
    rilo::measure::io::visa::VisaIOParam &equipIOParam();

    /*!
     * Whether \a address is a whole IPv4 address: four decimal octets of 0 to
     * 255, leading zeros allowed (001.02.3.004), joined by single dots, with
     * nothing before or after it except one final line feed, which is
     * accepted. Reads no member of the dialog.
     */
    bool isValidIPAddress(const QString &address) const;

    /*!
     * The octet texts found in \a address, left to right. Each is the longest
     * run of digits from its position that reads as 0 to 255 (200-255 first,
     * then up to three digits starting with 0 or 1, or up to two digits);
     * anything else is skipped. So 192.168.001.010 gives 192, 168, 001, 010,
     * 256.1.1.1 gives five parts (25, 6, 1, 1, 1), and text without digits an
     * empty list.
     */
    QList<QString> splitIPAddress(const QString &address) const;

    /*!
     * The four \a parts without their leading zeros (by removePreChar() with
     * '0'), joined with dots: 000, 00, 0, 010 give 0.0.0.10. Returns an empty
     * string unless there are exactly four parts. The parts are not checked:
     * an empty part stays empty (1, "", 3, 4 give 1..3.4).
     */
    QString combineIPAddress(const QList<QString> &parts) const;

    /*!
     * \a text without its leading run of \a ch (compared by character code).
     * At least one character always stays, and a \a ch directly in front of a
     * "." stays: with '0', 007 gives 7, 000 gives 0, 00.5 gives 0.5; 0.5, 100
     * and an empty text come back unchanged.
     */
    QString removePreChar(const QString &text, char ch) const;

    /*!
     * Appends every descendant of \a object to \a list, depth first, each
     * object before its own children, in the order of QObject::children().
     * The list is not cleared first. A null \a object appends nothing. The
     * walk needs no stack depth of its own, so a chain of any depth is
     * walked; an object tree made circular (QObject::setParent() allows it)
     * is walked once, an object met again being neither listed nor entered.
     */
    void getChilds(QObject *object, QList<QObject *> &list) const;

public Q_SLOTS:
    /*!
     * Confirms the dialog. With LAN chosen, an address that isValidIPAddress()
     * rejects brings up a message box, then the address field gets the focus
     * with its text selected, nothing is written and the dialog stays open; a
     * valid one is stored without leading zeros (192.168.001.010 becomes
     * 192.168.1.10). Otherwise writes back the address (unchecked unless LAN
     * is chosen), LAN mode, port, baud rate, data bits, stop bits and parity,
     * in this order, and closes with QDialog::Accepted.
     */
    void accept() override;

protected:
    /*!
     * On QEvent::LanguageChange, sets the form's texts and the parity names in
     * the new language, keeping the address the user entered and a window
     * title the host set; then passes the event on to QDialog.
     */
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void slotRbToggled(bool checked);
    void on_cbbLANMode_currentIndexChanged(int index);

private:
    Q_DISABLE_COPY(DlgDevChoose)

    const std::unique_ptr<Ui_DlgDevChoose> ui;
    std::unique_ptr<FormGuard> form; // which of the form's widgets still live
    rilo::measure::io::visa::VisaIOParam &ioParam;
    QString formTitle; // the title the form set last; any other title is the host's
};

} // namespace widget
} // namespace rilo
