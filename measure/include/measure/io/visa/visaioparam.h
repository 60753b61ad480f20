// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file visaioparam.h
 * The parameter record of one VISA instrument session.
 */
#pragma once

#include <measure/io/visa/visaioinfo.h>
#include <measure/io/visa/visaserial.h>

#include <QString>

namespace rilo {
namespace measure {
namespace io {
namespace visa {

/*!
 * \brief How to open one instrument: the interface and its settings.
 *
 * A plain value record owned by the application. Only the members of the
 * chosen interface matter when a session is opened; the others keep their
 * values so that switching back restores them. The defaults describe a
 * USB instrument and common LAN and serial settings.
 */
struct VisaIOParam
{
    QString resourceName;                               //!< full VISA resource string, if known
    VisaIOInfo::IntfType intfType = VisaIOInfo::kUsb;   //!< chosen interface
    QString ipAddress;                                  //!< IPv4 address text (LAN)
    VisaIOInfo::LanType lanType = VisaIOInfo::kINSTR;   //!< LAN connection mode
    qint32 port = 5025;                                 //!< TCP port (raw socket mode)
    quint32 baudRate = 9600;                            //!< serial baud rate
    VisaSerial::DataBits dataBits = VisaSerial::kBits8; //!< serial data bits
    VisaSerial::StopBits stopBits = VisaSerial::kOne;   //!< serial stop bits
    VisaSerial::Parity parity = VisaSerial::kNone;      //!< serial parity
};

} // namespace visa
} // namespace io
} // namespace measure
} // namespace rilo
