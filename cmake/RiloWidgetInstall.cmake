# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# Installation of the library: headers under include/rilo_widget[-qt6]/widget/,
# the library, a CMake package RiloWidget[Qt6] (with the exported target
# RiloWidget::Widget), a pkg-config file rilo_widget[-qt6].pc and the licence.
# The Qt 6 build's names carry a suffix, so both builds install into one prefix.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(RILO_WIDGET_PACKAGE RiloWidget${RILO_PACKAGE_SUFFIX})
set(RILO_WIDGET_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/${RILO_WIDGET_PACKAGE})
set(RILO_WIDGET_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/rilo_widget${RILO_NAME_SUFFIX})

# The connection dialog's header includes the instrument I/O records, so the
# package pulls in their package too (the stand-in's, or a real one's).
set(RILO_WIDGET_EXTRA_DEPENDENCIES "")
set(RILO_WIDGET_PC_REQUIRES "")
if(RILO_WIDGET_MEASURE_TARGET STREQUAL "rilo_measure")
    set(RILO_WIDGET_EXTRA_DEPENDENCIES "find_dependency(RiloMeasure${RILO_PACKAGE_SUFFIX} ${PROJECT_VERSION})")
    set(RILO_WIDGET_PC_REQUIRES "rilo_measure${RILO_NAME_SUFFIX}")
endif()

install(TARGETS rilo_widget EXPORT RiloWidgetTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${RILO_WIDGET_INCLUDE_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/widget
    DESTINATION ${RILO_WIDGET_INCLUDE_DIR}
    FILES_MATCHING PATTERN "*.h")
install(FILES
    ${PROJECT_BINARY_DIR}/include/widget/rilo_widget_export.h
    ${PROJECT_BINARY_DIR}/include/widget/rilo_widget_version.h
    DESTINATION ${RILO_WIDGET_INCLUDE_DIR}/widget)
install(EXPORT RiloWidgetTargets
    NAMESPACE RiloWidget::
    FILE ${RILO_WIDGET_PACKAGE}Targets.cmake
    DESTINATION ${RILO_WIDGET_CMAKE_DIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/RiloWidgetConfig.cmake.in
    ${PROJECT_BINARY_DIR}/${RILO_WIDGET_PACKAGE}Config.cmake
    INSTALL_DESTINATION ${RILO_WIDGET_CMAKE_DIR})
# While the major version is 0, every minor version may break the interface:
# find_package(RiloWidget 0.1) accepts 0.1.x only.
if(PROJECT_VERSION_MAJOR EQUAL 0)
    set(_rilo_compatibility SameMinorVersion)
else()
    set(_rilo_compatibility SameMajorVersion)
endif()
write_basic_package_version_file(${PROJECT_BINARY_DIR}/${RILO_WIDGET_PACKAGE}ConfigVersion.cmake
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY ${_rilo_compatibility})
install(FILES
    ${PROJECT_BINARY_DIR}/${RILO_WIDGET_PACKAGE}Config.cmake
    ${PROJECT_BINARY_DIR}/${RILO_WIDGET_PACKAGE}ConfigVersion.cmake
    DESTINATION ${RILO_WIDGET_CMAKE_DIR})

# The pkg-config file finds its prefix relative to itself, so a staged or
# relocated install (cmake --install --prefix ...) stays usable.
file(RELATIVE_PATH RILO_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
set(RILO_WIDGET_PC_NAME rilo_widget${RILO_NAME_SUFFIX})
configure_file(${CMAKE_CURRENT_LIST_DIR}/rilo_widget.pc.in ${PROJECT_BINARY_DIR}/${RILO_WIDGET_PC_NAME}.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${RILO_WIDGET_PC_NAME}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The licence travels with the package, in each build's own documentation folder.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rilo_widget${RILO_NAME_SUFFIX})
