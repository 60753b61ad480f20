# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# Compiler settings shared by every target of the project.

# Warnings on for our own code; Qt's headers come in as system headers.
add_compile_options(-Wall -Wextra)

# Keep away from API that Qt 6 removed.
add_compile_definitions(
    QT_DISABLE_DEPRECATED_BEFORE=0x050F00
    QT_NO_CAST_FROM_BYTEARRAY
    QT_USE_QSTRINGBUILDER
)

if(RILO_WIDGET_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
