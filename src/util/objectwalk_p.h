// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// A depth-first walk over an object's descendants that does not recurse, so
// that a deep chain of objects cannot exhaust the stack, and that meets every
// object once, so that a tree the host made circular (QObject::setParent()
// does not refuse a descendant as parent) cannot loop for ever.
#pragma once

#include <functional>

class QObject;

namespace rilo {
namespace widget {

// Calls visit for every descendant of root in pre-order (an object before
// its own children, children in QObject::children() order). An object met a
// second time, root included, is neither visited nor entered again. visit
// must not add, remove or delete objects of the tree.
void forEachDescendant(QObject *root, const std::function<void(QObject *)> &visit);

} // namespace widget
} // namespace rilo
