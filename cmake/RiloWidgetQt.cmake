# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# The Qt the project builds against, chosen with RILO_WIDGET_QT_MAJOR (5 or 6).
# Every CMake file names Qt through the variables set here:
#   RILO_QT              Qt5 or Qt6: the package and target prefix (${RILO_QT}::Widgets)
#   RILO_QT_MIN_VERSION  the oldest Qt of that major version we build against
#   RILO_NAME_SUFFIX     "" or "-qt6": appended to file names that would clash
#                        when both builds are installed into one prefix
#                        (library files, pkg-config files, header and data folders)
#   RILO_PACKAGE_SUFFIX  "" or "Qt6": appended to the CMake package names
# The Qt 5 build keeps the plain names; the Qt 6 build carries the suffixes,
# as Qt6Keychain, KF6 and qwt-qt6 do.
if(RILO_WIDGET_QT_MAJOR STREQUAL "5")
    set(RILO_QT Qt5)
    set(RILO_QT_MIN_VERSION 5.15)
    set(RILO_NAME_SUFFIX "")
    set(RILO_PACKAGE_SUFFIX "")
elseif(RILO_WIDGET_QT_MAJOR STREQUAL "6")
    set(RILO_QT Qt6)
    set(RILO_QT_MIN_VERSION 6.4)
    set(RILO_NAME_SUFFIX "-qt6")
    set(RILO_PACKAGE_SUFFIX "Qt6")
else()
    message(FATAL_ERROR "RILO_WIDGET_QT_MAJOR must be 5 or 6, not '${RILO_WIDGET_QT_MAJOR}'")
endif()

find_package(${RILO_QT} ${RILO_QT_MIN_VERSION} REQUIRED COMPONENTS Core Gui Widgets)
