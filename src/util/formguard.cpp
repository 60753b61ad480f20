// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "formguard_p.h"

namespace rilo {
namespace widget {

void FormGuard::watch(std::initializer_list<QObject *> list)
{
    for (QObject *object : list)
        objects.insert(object, object);
}

bool FormGuard::isAlive(const QObject *object) const
{
    return !objects.value(object).isNull();
}

bool FormGuard::isIntact() const
{
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        if (it.value().isNull())
            return false;
    }
    return true;
}

} // namespace widget
} // namespace rilo
