// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// IPv4 address text handling behind DlgDevChoose's address members. Needs
// Qt Core only, so that the fuzz target can build it on its own.
#pragma once

#include <QList>
#include <QString>

namespace rilo {
namespace widget {
namespace ipaddress {

// Whether the whole text is four octets (0-255, leading zeros allowed) joined
// by single dots.
bool isValid(const QString &address);

// The octet texts found in the text, left to right.
QList<QString> split(const QString &address);

// The four parts without leading zeros, joined with dots; empty unless there
// are exactly four parts.
QString combine(const QList<QString> &parts);

// The text without its leading run of `ch`; keeps at least one character and
// keeps a `ch` that stands directly in front of a dot.
QString removePreChar(const QString &text, char ch);

} // namespace ipaddress
} // namespace widget
} // namespace rilo
