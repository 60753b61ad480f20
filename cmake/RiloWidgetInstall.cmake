# Installation of the library: headers under include/rilo_widget/widget/, the
# shared library, a CMake package (RiloWidgetConfig.cmake with the exported
# target RiloWidget::Widget) and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(RILO_QT_MIN_VERSION 5.14)
set(RILO_WIDGET_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/RiloWidget)

# The connection dialog's header includes the instrument I/O records, so the
# package pulls in their package too (the stand-in's, or a real one's).
if(RILO_MEASURE_TARGET STREQUAL "rilo_measure")
    set(RILO_WIDGET_EXTRA_DEPENDENCIES "find_dependency(RiloMeasure ${PROJECT_VERSION})")
    set(RILO_WIDGET_PC_REQUIRES "rilo_measure")
endif()

install(TARGETS rilo_widget EXPORT RiloWidgetTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/rilo_widget)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/widget
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/rilo_widget
    FILES_MATCHING PATTERN "*.h")
install(FILES
    ${PROJECT_BINARY_DIR}/include/widget/rilo_widget_export.h
    ${PROJECT_BINARY_DIR}/include/widget/rilo_widget_version.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/rilo_widget/widget)
install(EXPORT RiloWidgetTargets
    NAMESPACE RiloWidget::
    DESTINATION ${RILO_WIDGET_CMAKE_DIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/RiloWidgetConfig.cmake.in
    ${PROJECT_BINARY_DIR}/RiloWidgetConfig.cmake
    INSTALL_DESTINATION ${RILO_WIDGET_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/RiloWidgetConfigVersion.cmake
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${PROJECT_BINARY_DIR}/RiloWidgetConfig.cmake
    ${PROJECT_BINARY_DIR}/RiloWidgetConfigVersion.cmake
    DESTINATION ${RILO_WIDGET_CMAKE_DIR})

# The pkg-config file finds its prefix relative to itself, so a staged or
# relocated install (cmake --install --prefix ...) stays usable.
file(RELATIVE_PATH RILO_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
configure_file(${CMAKE_CURRENT_LIST_DIR}/rilo_widget.pc.in ${PROJECT_BINARY_DIR}/rilo_widget.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/rilo_widget.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
