// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include "objectwalk_p.h"

#include <QObject>
#include <QSet>
#include <QVector>

namespace rilo {
namespace widget {

void forEachDescendant(QObject *root, const std::function<void(QObject *)> &visit)
{
    if (!root)
        return;
    QSet<const QObject *> seen{root};
    // Each level: an object and the index of its next child to visit.
    QVector<std::pair<const QObject *, int>> stack{{root, 0}};
    while (!stack.isEmpty()) {
        std::pair<const QObject *, int> &top = stack.last();
        const QObjectList &children = top.first->children();
        if (top.second >= children.size()) {
            stack.removeLast();
            continue;
        }
        QObject *child = children.at(top.second++);
        if (seen.contains(child))
            continue;
        seen.insert(child);
        visit(child);
        stack.append({child, 0}); // top is not used after this
    }
}

} // namespace widget
} // namespace rilo
