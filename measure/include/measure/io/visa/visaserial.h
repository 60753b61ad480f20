// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file visaserial.h
 * Settings of a VISA serial (ASRL) session.
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
 * \brief Scope of the serial-port enumerations, with a meta-object that lists
 * them.
 *
 * The enumerations are registered with Q_ENUM, so that
 * `VisaSerial::staticMetaObject` finds them by name and a QVariant can carry
 * them. The enumerators appear in the meta-object in declaration order.
 */
class RILO_MEASURE_EXPORT VisaSerial
{
    Q_GADGET

public:
    /*! Data bits per character; each value is the bit count (VI_ATTR_ASRL_DATA_BITS). */
    enum DataBits : qint32 {
        kBits5 = 5,
        kBits6 = 6,
        kBits7 = 7,
        kBits8 = 8,
    };
    Q_ENUM(DataBits)

    /*! Stop bits, with the VISA codes (VI_ASRL_STOP_*): ten times the bit count. */
    enum StopBits : qint32 {
        kOne = 10,        //!< one stop bit
        kOneAndHalf = 15, //!< one and a half stop bits
        kTwo = 20,        //!< two stop bits
    };
    Q_ENUM(StopBits)

    /*! Parity, with the VISA codes (VI_ASRL_PAR_*). */
    enum Parity : qint32 {
        kNone = 0,
        kOdd = 1,
        kEven = 2,
        kMark = 3,
        kSpace = 4,
    };
    Q_ENUM(Parity)
};

} // namespace visa
} // namespace io
} // namespace measure
} // namespace rilo
