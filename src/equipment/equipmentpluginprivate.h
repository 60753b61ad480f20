// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of IEquipment.
#pragma once

namespace rilo {
namespace widget {

// Holds nothing yet. Plug-ins derive from IEquipment and are built apart from
// the library, so the base class keeps its one record pointer: state added
// here later leaves the size and layout of IEquipment as plug-ins know them.
class IEquipmentPrivate
{
};

} // namespace widget
} // namespace rilo
