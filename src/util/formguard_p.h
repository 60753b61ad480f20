// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

// Watches the widgets of a designer form. The uic class keeps plain pointers
// to them, which the host can delete (they are ordinary children, found with
// findChild()); code that uses the form asks first whether a part still lives.
#pragma once

#include <QHash>
#include <QPointer>

#include <initializer_list>

namespace rilo {
namespace widget {

class FormGuard
{
public:
    // Starts watching these objects.
    void watch(std::initializer_list<QObject *> objects);
    // Whether object is watched and still lives. The pointer is only used as
    // a key, never followed.
    bool isAlive(const QObject *object) const;
    // Whether every watched object still lives: only then may the form's
    // generated code (retranslateUi()) run, as it follows every pointer.
    bool isIntact() const;

    // object while it lives, else null.
    template <typename T>
    T *live(T *object) const
    {
        return isAlive(object) ? object : nullptr;
    }

private:
    QHash<const QObject *, QPointer<QObject>> objects;
};

} // namespace widget
} // namespace rilo
