// Meta-object data of the VISA enumeration scopes comes from moc; this file
// pins down what the widget layer relies on: every enumeration is 32 bits wide.
#include <measure/io/visa/visaioparam.h>

#include <type_traits>

namespace rilo {
namespace measure {
namespace io {
namespace visa {

static_assert(sizeof(VisaIOInfo::IntfType) == 4, "IntfType must be 32 bits wide");
static_assert(sizeof(VisaIOInfo::LanType) == 4, "LanType must be 32 bits wide");
static_assert(sizeof(VisaSerial::DataBits) == 4, "DataBits must be 32 bits wide");
static_assert(sizeof(VisaSerial::StopBits) == 4, "StopBits must be 32 bits wide");
static_assert(sizeof(VisaSerial::Parity) == 4, "Parity must be 32 bits wide");
static_assert(std::is_same<decltype(VisaIOParam::port), qint32>::value, "port is a signed 32-bit integer");
static_assert(std::is_same<decltype(VisaIOParam::baudRate), quint32>::value, "baudRate is unsigned 32-bit");

} // namespace visa
} // namespace io
} // namespace measure
} // namespace rilo
