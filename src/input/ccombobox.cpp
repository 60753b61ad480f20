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

CComboBox::CComboBox(QWidget *parent)
    : QComboBox(parent)
    , d(new CComboBoxPrivate)
{
    setAcceptDrops(true);
}

CComboBox::~CComboBox()
{
    delete d;
}

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
    while (count() >= d->maxCount)
        removeItem(count() - 1);
    const int position = qMax(0, qMin(count() - 1, index));
    QComboBox::insertItem(position, QIcon(), text, userData);
}

void CComboBox::insertItems(int index, const QStringList &texts)
{
    QStringList fresh = texts;
    for (int i = fresh.size() - 1; i >= 0; --i) {
        if (hasEntry(this, fresh.at(i)))
            fresh.removeAt(i);
    }
    QComboBox::insertItems(index, fresh);
    while (count() > d->maxCount)
        removeItem(count() - 1);
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
    // files in drag order with the first one on top.
    for (int i = d->urls.size() - 1; i >= 0; --i)
        insertItem(0, d->urls.at(i), QVariant());
    setCurrentIndex(0);
}

} // namespace widget
} // namespace rilo
