// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Meta-object data of the VISA enumeration scopes comes from moc; this file
// pins down what users of the record rely on. Every enumeration has the fixed
// underlying type qint32, so that any 32-bit value read from a file or set by
// an application is a valid value of it (without a fixed type, values outside
// the enumerators' bit range would be undefined).
#include <measure/io/visa/visaioparam.h>

#include <type_traits>

namespace rilo {
namespace measure {
namespace io {
namespace visa {

template <typename E>
constexpr bool isQint32Enum = std::is_same<std::underlying_type_t<E>, qint32>::value;

static_assert(isQint32Enum<VisaIOInfo::IntfType>, "IntfType must be 32 bits wide");
static_assert(isQint32Enum<VisaIOInfo::LanType>, "LanType must be 32 bits wide");
static_assert(isQint32Enum<VisaSerial::DataBits>, "DataBits must be 32 bits wide");
static_assert(isQint32Enum<VisaSerial::StopBits>, "StopBits must be 32 bits wide");
static_assert(isQint32Enum<VisaSerial::Parity>, "Parity must be 32 bits wide");
static_assert(std::is_same<decltype(VisaIOParam::port), qint32>::value, "port is a signed 32-bit integer");
static_assert(std::is_same<decltype(VisaIOParam::baudRate), quint32>::value, "baudRate is unsigned 32-bit");

} // namespace visa
} // namespace io
} // namespace measure
} // namespace rilo
