// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of CComboBox.
#pragma once

#include <QStringList>

namespace rilo {
namespace widget {

class CComboBoxPrivate
{
public:
    bool allowDrop = true;
    int maxCount = 10;    // never below 1
    QStringList urls;     // local paths of the most recent drop, in drag order
    QStringList suffixes; // without the dot; empty accepts every file
};

} // namespace widget
} // namespace rilo
