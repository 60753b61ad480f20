// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file visaioinfo.h
 * Interface types and LAN connection modes of a VISA instrument session.
 */
#pragma once

#include <measure/rilo_measure_export.h>

#include <QMetaType>
#include <QObject>

namespace rilo {
namespace measure {
namespace io {
namespace visa {

/*!
 * \brief Scope of the VISA session enumerations, with a meta-object that
 * lists them.
 *
 * Both enumerations are registered with Q_ENUM, so that
 * `VisaIOInfo::staticMetaObject` finds them by name and a QVariant can carry
 * them. The enumerators appear in the meta-object in declaration order.
 */
class RILO_MEASURE_EXPORT VisaIOInfo
{
    Q_GADGET

public:
    /*! Hardware interface of a session, with the VISA interface-type codes (VI_INTF_*). */
    enum IntfType : qint32 {
        kGpib = 1,  //!< IEEE 488 bus, VI_INTF_GPIB
        kAsrl = 4,  //!< serial port (RS232), VI_INTF_ASRL
        kTcpip = 6, //!< Ethernet (LAN), VI_INTF_TCPIP
        kUsb = 7,   //!< USBTMC, VI_INTF_USB
    };
    Q_ENUM(IntfType)

    /*! How a TCPIP session reaches the instrument. Only kSOCKET uses a port number. */
    enum LanType : qint32 {
        kINSTR = 0,  //!< VXI-11 instrument resource (TCPIP::host::INSTR)
        kSOCKET = 1, //!< raw socket on a TCP port (TCPIP::host::port::SOCKET)
        kHiSLIP = 2, //!< HiSLIP instrument resource (TCPIP::host::hislip0::INSTR)
    };
    Q_ENUM(LanType)
};

} // namespace visa
} // namespace io
} // namespace measure
} // namespace rilo
