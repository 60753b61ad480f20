// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Private record of CComboBox.
#pragma once

#include <QHash>
#include <QStringList>

class QComboBox;

namespace rilo {
namespace widget {

class CComboBoxPrivate
{
public:
    // The entries' texts with how often each occurs, for duplicate checks in
    // constant time while many texts go in at once (a drop, insertItems()).
    static QHash<QString, int> entryCounts(const QComboBox *box);
    // Removes entries from the bottom while the box holds more than `keep`
    // (at most as many times as there were entries, so that a handler that
    // adds entries back cannot keep the loop going), updating counts.
    static void trim(QComboBox *box, int keep, QHash<QString, int> *counts);

    bool allowDrop = true;
    int maxCount = 10;    // never below 1
    QStringList urls;     // local paths of the most recent drop, in drag order
    QStringList suffixes; // without the dot; empty accepts every file
};

} // namespace widget
} // namespace rilo
