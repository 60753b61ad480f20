// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/ccombobox.h>

#include "ccombobox_p.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace rilo {
namespace widget {

namespace {

bool hasEntry(const QComboBox *box, const QString &text)
{
    return box->findData(text, Qt::DisplayRole, Qt::MatchExactly | Qt::MatchCaseSensitive) != -1;
}

} // namespace

QHash<QString, int> CComboBoxPrivate::entryCounts(const QComboBox *box)
{
    QHash<QString, int> counts;
    const int n = box->count();
    counts.reserve(n);
    for (int i = 0; i < n; ++i)
        ++counts[box->itemText(i)];
    return counts;
}

void CComboBoxPrivate::trim(QComboBox *box, int keep, QHash<QString, int> *counts)
{
    for (int rounds = box->count(); rounds > 0 && box->count() > keep; --rounds) {
        const int last = box->count() - 1;
        if (counts) {
            const auto it = counts->find(box->itemText(last));
            if (it != counts->end() && --it.value() <= 0)
                counts->erase(it);
        }
        box->removeItem(last);
    }
}

CComboBox::CComboBox(QWidget *parent)
    : QComboBox(parent)
    , d(new CComboBoxPrivate)
{
    setAcceptDrops(true);
}

CComboBox::~CComboBox() = default;

bool CComboBox::allowDrop() const
{
    return d->allowDrop;
}

void CComboBox::setAllowDrop(bool allow)
{
    if (allow == d->allowDrop)
        return;
    d->allowDrop = allow;
    setAcceptDrops(allow);
}

QStringList CComboBox::suffixes() const
{
    return d->suffixes;
}

void CComboBox::setSuffixes(const QStringList &suffixes)
{
    d->suffixes = suffixes;
}

int CComboBox::maxCount() const
{
    return d->maxCount;
}

void CComboBox::setMaxCount(int count)
{
    // With a bound below 1 the trimming before an insertion could never make
    // room; one entry is the least that still shows the newest file.
    d->maxCount = qMax(1, count);
}

QStringList CComboBox::urls() const
{
    return d->urls;
}

void CComboBox::insertItem(int index, const QString &text, const QVariant &userData)
{
    if (hasEntry(this, text))
        return;
    CComboBoxPrivate::trim(this, d->maxCount - 1, nullptr);
    const int position = qMax(0, qMin(count() - 1, index));
    QComboBox::insertItem(position, QIcon(), text, userData);
}

void CComboBox::insertItems(int index, const QStringList &texts)
{
    // One look at the entries instead of a search per text.
    const QHash<QString, int> counts = CComboBoxPrivate::entryCounts(this);
    QStringList fresh;
    fresh.reserve(texts.size());
    for (const QString &text : texts) {
        if (!counts.contains(text))
            fresh.append(text);
    }
    QComboBox::insertItems(index, fresh);
    CComboBoxPrivate::trim(this, d->maxCount, nullptr);
}

void CComboBox::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *mime = event->mimeData();
    if (!mime || !mime->hasUrls()) {
        event->ignore();
        return;
    }
    const QList<QUrl> urls = mime->urls();
    if (urls.isEmpty()) {
        event->ignore();
        return;
    }
    if (!d->suffixes.isEmpty()) {
        for (const QUrl &url : urls) {
            const QString suffix = QFileInfo(url.toLocalFile()).suffix();
            if (!d->suffixes.contains(suffix, Qt::CaseInsensitive)) {
                event->ignore();
                return;
            }
        }
    }
    event->acceptProposedAction();
}

void CComboBox::dropEvent(QDropEvent *event)
{
    const QMimeData *mime = event->mimeData();
    if (!mime || !mime->hasUrls())
        return;
    const QList<QUrl> urls = mime->urls();
    d->urls.clear();
    for (const QUrl &url : urls)
        d->urls.append(url.toLocalFile());
    // Each path goes in at the top, so walking the drag backwards leaves the
    // files in drag order with the first one on top. This is insertItem(0,
    // path) for each path, with the duplicate check kept in a table instead
    // of a search of all entries per path, which made large drops quadratic.
    QHash<QString, int> counts = CComboBoxPrivate::entryCounts(this);
    counts.reserve(counts.size() + d->urls.size());
    for (int i = d->urls.size() - 1; i >= 0; --i) {
        const QString &path = d->urls.at(i);
        if (counts.contains(path))
            continue;
        if (count() >= d->maxCount)
            CComboBoxPrivate::trim(this, d->maxCount - 1, &counts);
        QComboBox::insertItem(0, QIcon(), path, QVariant());
        ++counts[path];
    }
    setCurrentIndex(0);
}

} // namespace widget
} // namespace rilo
