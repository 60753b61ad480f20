// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "ipaddress.h"

#include <QRegularExpression>

namespace rilo {
namespace widget {
namespace ipaddress {

namespace {

// One decimal octet: 200-255 first, else 0-199 with leading zeros allowed
// (0, 07, 007). The order of the alternatives matters for splitting: "256"
// gives "25" and then "6".
const char *const kOctetPattern = R"(2(5[0-5]|[0-4]\d)|[0-1]?\d{1,2})";

// A whole text of four octets joined by single dots. "$" also matches in front
// of a final line feed, so "1.2.3.4\n" passes.
const char *const kAddressPattern = R"(^(?:2(5[0-5]|[0-4]\d)|[0-1]?\d{1,2})(\.(2(5[0-5]|[0-4]\d)|[0-1]?\d{1,2})){3}$)";

// A case-sensitive, single-line expression without pattern options. Built per
// call: the functions are cheap enough, and nothing is cached between calls.
QRegularExpression expression(const char *pattern)
{
    QRegularExpression re;
    re.setPattern(QString::fromLatin1(pattern));
    return re;
}

bool sameCode(QChar c, char ch)
{
    return c.unicode() == static_cast<uchar>(ch);
}

} // namespace

bool isValid(const QString &address)
{
    return expression(kAddressPattern).match(address).hasMatch();
}

QList<QString> split(const QString &address)
{
    QList<QString> parts;
    QRegularExpressionMatchIterator it = expression(kOctetPattern).globalMatch(address);
    while (it.hasNext())
        parts.append(it.next().captured(0));
    return parts;
}

QString combine(const QList<QString> &parts)
{
    if (parts.size() != 4)
        return QString();
    QString joined;
    for (const QString &part : parts)
        joined += QStringLiteral(".%1").arg(removePreChar(part, '0'));
    return joined.mid(1);
}

QString removePreChar(const QString &text, char ch)
{
    if (text.size() < 2 || !sameCode(text.at(0), ch) || text.at(1) == QLatin1Char('.'))
        return text;
    // Position 0 holds `ch`; find the first position from 1 on that is not
    // `ch` or that stands in front of a dot. The last character always stays.
    for (int i = 1; i < text.size() - 1; ++i) {
        if (!sameCode(text.at(i), ch) || text.at(i + 1) == QLatin1Char('.'))
            return text.mid(i);
    }
    return text.right(1);
}

} // namespace ipaddress
} // namespace widget
} // namespace rilo
