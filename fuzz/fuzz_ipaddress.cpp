// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Feeds arbitrary bytes to the connection dialog's IPv4 address functions and
// checks what they promise:
//  - no crash, no sanitizer report;
//  - split yields octets only: one to three ASCII digits worth 0 to 255;
//  - a valid address splits into four octets, and combining them gives a valid
//    address with the same octet values and no leading zeros, which splits and
//    combines to itself again;
//  - combine gives an empty text unless it gets exactly four parts;
//  - removePreChar returns a non-empty tail of any non-empty text.
#include "ipaddress.h"

#include <QByteArray>
#include <QtGlobal>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace ip = rilo::widget::ipaddress;

namespace {

[[noreturn]] void fail(const char *what, const QString &input)
{
    std::fprintf(stderr, "invariant broken: %s\ninput: \"%s\"\n", what, input.toUtf8().constData());
    std::abort();
}

bool isOctet(const QString &part)
{
    const auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    return !part.isEmpty() && part.size() <= 3 && std::all_of(part.begin(), part.end(), digit) && part.toInt() <= 255;
}

void checkAddress(const QString &text)
{
    const QList<QString> parts = ip::split(text);
    for (const QString &part : parts) {
        if (!isOctet(part))
            fail("split returned a part that is not an octet", text);
    }
    const QString combined = ip::combine(parts);
    if (parts.size() != 4 && !combined.isEmpty())
        fail("combine of other than four parts is not empty", text);

    if (!ip::isValid(text))
        return;
    if (parts.size() != 4)
        fail("a valid address does not split into four octets", text);
    if (!ip::isValid(combined))
        fail("a valid address, split and combined, is not valid", text);
    const QStringList octets = combined.split(QLatin1Char('.'));
    if (octets.size() != 4)
        fail("a combined address does not have four octets", text);
    for (int i = 0; i < 4; ++i) {
        const QString &octet = octets.at(i);
        if (octet.size() > 1 && octet.startsWith(QLatin1Char('0')))
            fail("a combined address keeps a leading zero", text);
        if (octet.toInt() != parts.at(i).toInt())
            fail("combining changed an octet's value", text);
    }
    if (ip::combine(ip::split(combined)) != combined)
        fail("a normalised address changes when normalised again", text);
}

void checkRemovePreChar(const QString &text, char ch)
{
    const QString trimmed = ip::removePreChar(text, ch);
    if (!text.isEmpty() && trimmed.isEmpty())
        fail("removePreChar emptied a non-empty text", text);
    if (!text.endsWith(trimmed))
        fail("removePreChar did not return a tail of the text", text);
}

} // namespace

// The functions build their expressions on every call; with PCRE2's JIT each of those would also be compiled to machine
// code, which costs far more than the match. Qt reads this setting once, before the first expression.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_ENABLE_REGEXP_JIT", "0");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    const auto *chars = reinterpret_cast<const char *>(data);
    const int length = static_cast<int>(size);

    // What a line edit hands over (UTF-8, with replacement characters for broken sequences), and the raw bytes as
    // UTF-16 code units (lone surrogates and all).
    const QString utf8 = QString::fromUtf8(chars, length);
    const QString utf16 = QString(reinterpret_cast<const QChar *>(data), length / 2);
    checkAddress(utf8);
    checkAddress(utf16);

    // removePreChar with the first byte as the character, the rest as text, and with '0' as combine uses it.
    if (size > 0) {
        const QString rest = QString::fromUtf8(chars + 1, length - 1);
        checkRemovePreChar(rest, chars[0]);
        checkRemovePreChar(utf8, '0');
    }

    // combine on parts cut at commas: empty unless four parts, and then with at least three dots.
    const QList<QString> parts = utf8.split(QLatin1Char(','));
    const QString combined = ip::combine(parts);
    if (parts.size() == 4 ? combined.count(QLatin1Char('.')) < 3 : !combined.isEmpty())
        fail("combine lost a dot, or combined other than four parts", utf8);
    return 0;
}
