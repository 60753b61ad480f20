# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# Runs the consumer project against librilo_widget, as CTest's "consumer" tests
# and `make test-coinstall` do. No step sets LD_LIBRARY_PATH: what is installed
# must run as installed.
#
#   -DMODE=install      -DBUILD_DIR=<library build> -DWORK_DIR=<scratch>
#       installs the build into a prefix; builds and runs the consumer against
#       it with CMake and with pkg-config, loads the installed Designer plug-in
#       and checks the package's version rule
#   -DMODE=static       -DSOURCE_DIR=<library source> -DQT_MAJOR=<5|6> -DWORK_DIR=<scratch>
#       builds the library as static libraries, installs it and runs the
#       consumer against it
#   -DMODE=subdirectory -DSOURCE_DIR=<library source> -DQT_MAJOR=<5|6> -DWORK_DIR=<scratch>
#       builds the consumer with the library as a subproject of a host that
#       has targets of its own named docs, bench, test-..., and configures it
#       again with every part of the library switched on
#   -DMODE=coinstall    -DBUILD_DIR=<build> -DPEER_BUILD_DIR=<build of the other Qt> -DWORK_DIR=<scratch>
#       installs both builds into one prefix (no file may come from both) and
#       runs the install checks against each
# LAUNCHER (optional) is handed to the builds as CMAKE_CXX_COMPILER_LAUNCHER.
cmake_minimum_required(VERSION 3.16)
get_filename_component(consumer_dir ${CMAKE_CURRENT_LIST_FILE} DIRECTORY)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
unset(ENV{LD_LIBRARY_PATH})
# The consumer programs render offscreen; no display is needed.
set(ENV{QT_QPA_PLATFORM} offscreen)
set(launcher "")
if(LAUNCHER)
    set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        string(REPLACE ";" " " cmd "${ARGV}")
        message(FATAL_ERROR "failed (${rc}): ${cmd}")
    endif()
endfunction()

# cache_value(<var> <build dir> <name>): an entry of a build's CMake cache.
function(cache_value var build name)
    file(STRINGS ${build}/CMakeCache.txt line REGEX "^${name}:[A-Z]+=")
    if(NOT line)
        message(FATAL_ERROR "${name} is not in ${build}/CMakeCache.txt")
    endif()
    string(REGEX REPLACE "^[^=]*=" "" value "${line}")
    set(${var} "${value}" PARENT_SCOPE)
endfunction()

# The names a build installs under: the Qt 5 build keeps the plain names, the
# Qt 6 build adds -qt6 and Qt6.
function(names major)
    if(major EQUAL 6)
        set(package RiloWidgetQt6 PARENT_SCOPE)
        set(pc_name rilo_widget-qt6 PARENT_SCOPE)
    else()
        set(package RiloWidget PARENT_SCOPE)
        set(pc_name rilo_widget PARENT_SCOPE)
    endif()
endfunction()

# The installed package accepts requests of its own minor version only: while
# the major version is 0, a minor version may break the interface.
function(check_version_rule prefix major)
    names(${major})
    file(GLOB version_file ${prefix}/lib*/cmake/${package}/${package}ConfigVersion.cmake
                           ${prefix}/lib*/*/cmake/${package}/${package}ConfigVersion.cmake)
    if(NOT version_file)
        message(FATAL_ERROR "no ${package}ConfigVersion.cmake under ${prefix}")
    endif()
    foreach(case "0.1;TRUE" "0.1.0;TRUE" "0;FALSE" "0.0;FALSE" "0.2;FALSE" "1.0;FALSE" "0.1.99;FALSE")
        list(GET case 0 requested)
        list(GET case 1 expected)
        string(REPLACE "." ";" parts "${requested}.0.0")
        list(GET parts 0 PACKAGE_FIND_VERSION_MAJOR)
        list(GET parts 1 PACKAGE_FIND_VERSION_MINOR)
        list(GET parts 2 PACKAGE_FIND_VERSION_PATCH)
        set(PACKAGE_FIND_VERSION ${requested})
        set(PACKAGE_FIND_VERSION_COUNT 3)
        set(PACKAGE_VERSION_COMPATIBLE FALSE)
        include(${version_file})
        if(NOT PACKAGE_VERSION_COMPATIBLE STREQUAL expected)
            message(FATAL_ERROR "${package} ${PACKAGE_VERSION} answers ${PACKAGE_VERSION_COMPATIBLE} "
                "to a request for ${requested}; expected ${expected}")
        endif()
    endforeach()
endfunction()

# Builds and runs the consumer against the installed prefix, with CMake and
# with pkg-config, and loads the installed Designer plug-in if there is one.
function(check_installed prefix major work)
    names(${major})
    if(NOT EXISTS ${prefix}/share/doc/${pc_name}/LICENSE)
        message(FATAL_ERROR "the licence is not installed as share/doc/${pc_name}/LICENSE")
    endif()
    run(${CMAKE_COMMAND} -S ${consumer_dir} -B ${work}/build -G Ninja ${launcher}
        -DCMAKE_PREFIX_PATH=${prefix} -DCONSUMER_QT_MAJOR=${major})
    run(${CMAKE_COMMAND} --build ${work}/build --parallel 2)
    run(${work}/build/consumer)
    check_version_rule(${prefix} ${major})

    # The pkg-config file of the installed prefix is enough to build against
    # it; a prefix outside the loader's paths needs the run path a user of
    # pkg-config gives for it.
    find_program(PKG_CONFIG pkg-config)
    if(PKG_CONFIG)
        set(ENV{PKG_CONFIG_PATH} "${prefix}/lib/pkgconfig")
        execute_process(COMMAND ${PKG_CONFIG} --cflags --libs ${pc_name}
            OUTPUT_VARIABLE flags RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE)
        execute_process(COMMAND ${PKG_CONFIG} --variable=libdir ${pc_name}
            OUTPUT_VARIABLE libdir OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "pkg-config does not know ${pc_name}")
        endif()
        separate_arguments(flags UNIX_COMMAND "${flags}")
        # main.cpp has no Q_OBJECT, so a plain compiler call builds it.
        run(c++ -std=c++17 -fPIC ${consumer_dir}/main.cpp ${flags} -Wl,-rpath,${libdir} -o ${work}/consumer-pc)
        run(${work}/consumer-pc)
    endif()

    # The plug-in lies in the folder of this build's own Qt, and Designer
    # loads it from there.
    if(designer_dir)
        if(NOT designer_dir MATCHES "qt${major}/plugins/designer$")
            message(FATAL_ERROR "the Designer plug-in goes to ${designer_dir}, not to Qt ${major}'s folder")
        endif()
        run(${work}/build/plugin-loader ${prefix}/${designer_dir}/librilowidgetdesigner.so)
    endif()
endfunction()

# designer_dir(<build>): where the build installs its Designer plug-in,
# relative to the prefix; empty when it builds none.
macro(designer_dir build)
    file(STRINGS ${build}/CMakeCache.txt designer_dir REGEX "^RILO_WIDGET_DESIGNER_PLUGIN_DIR:")
    string(REGEX REPLACE "^[^=]*=" "" designer_dir "${designer_dir}")
endmacro()

function(installed_files var prefix)
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${prefix} ${prefix}/*)
    set(${var} ${files} PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "install")
    cache_value(major ${BUILD_DIR} RILO_WIDGET_QT_MAJOR)
    designer_dir(${BUILD_DIR})
    set(prefix ${WORK_DIR}/stage)
    run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
    check_installed(${prefix} ${major} ${WORK_DIR})
elseif(MODE STREQUAL "static")
    run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/library -G Ninja ${launcher}
        -DRILO_WIDGET_QT_MAJOR=${QT_MAJOR} -DRILO_WIDGET_SHARED=OFF -DCMAKE_BUILD_TYPE=Release
        -DRILO_WIDGET_BUILD_TESTS=OFF -DRILO_WIDGET_BUILD_EXAMPLES=OFF
        -DRILO_WIDGET_BUILD_DESIGNER=OFF -DRILO_WIDGET_BUILD_DOCS=OFF)
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/library --parallel 2)
    set(prefix ${WORK_DIR}/stage)
    run(${CMAKE_COMMAND} --install ${WORK_DIR}/library --prefix ${prefix})
    # The installed export header says that the library is static, so that a
    # user needs no definition of its own (on Windows it decides between
    # dllimport and nothing).
    file(GLOB_RECURSE header ${prefix}/include/*/widget/rilo_widget_export.h)
    file(STRINGS "${header}" static_line REGEX "^#define RILO_WIDGET_STATIC$")
    if(NOT static_line)
        message(FATAL_ERROR "${header} does not define RILO_WIDGET_STATIC")
    endif()
    file(GLOB shared_objects ${prefix}/lib*/*.so*)
    if(shared_objects)
        message(FATAL_ERROR "a static build installed shared objects: ${shared_objects}")
    endif()
    check_installed(${prefix} ${QT_MAJOR} ${WORK_DIR})
elseif(MODE STREQUAL "subdirectory")
    run(${CMAKE_COMMAND} -S ${consumer_dir} -B ${WORK_DIR}/build -G Ninja ${launcher}
        -DRILO_WIDGET_SOURCE_DIR=${SOURCE_DIR} -DCONSUMER_QT_MAJOR=${QT_MAJOR} -DRILO_WIDGET_QT_MAJOR=${QT_MAJOR})
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/build --parallel 2)
    run(${WORK_DIR}/build/consumer)
    # With every part of the library switched on, the host still configures:
    # no target of the library takes a name of the host's.
    run(${CMAKE_COMMAND} -S ${consumer_dir} -B ${WORK_DIR}/everything -G Ninja
        -DRILO_WIDGET_SOURCE_DIR=${SOURCE_DIR} -DCONSUMER_QT_MAJOR=${QT_MAJOR} -DRILO_WIDGET_QT_MAJOR=${QT_MAJOR}
        -DRILO_WIDGET_BUILD_TESTS=ON -DRILO_WIDGET_BUILD_EXAMPLES=ON -DRILO_WIDGET_BUILD_DESIGNER=ON
        -DRILO_WIDGET_BUILD_DOCS=ON -DRILO_WIDGET_BUILD_BENCH=ON -DCONSUMER_CHECK_CACHE=OFF)
elseif(MODE STREQUAL "coinstall")
    set(prefix ${WORK_DIR}/prefix)
    set(majors "")
    foreach(build ${BUILD_DIR} ${PEER_BUILD_DIR})
        cache_value(major ${build} RILO_WIDGET_QT_MAJOR)
        list(APPEND majors ${major})
        # Each build alone first, to see which files it installs.
        run(${CMAKE_COMMAND} --install ${build} --prefix ${WORK_DIR}/alone-${major})
        installed_files(files_${major} ${WORK_DIR}/alone-${major})
        run(${CMAKE_COMMAND} --install ${build} --prefix ${prefix})
    endforeach()
    list(REMOVE_DUPLICATES majors)
    list(LENGTH majors count)
    if(NOT count EQUAL 2)
        message(FATAL_ERROR "the two builds use the same Qt (${majors})")
    endif()
    list(GET majors 0 first)
    list(GET majors 1 second)
    set(both "")
    foreach(file ${files_${first}})
        if(file IN_LIST files_${second})
            list(APPEND both ${file})
        endif()
    endforeach()
    if(both)
        string(REPLACE ";" "\n  " both "${both}")
        message(FATAL_ERROR "installed by both builds:\n  ${both}")
    endif()
    foreach(build ${BUILD_DIR} ${PEER_BUILD_DIR})
        cache_value(major ${build} RILO_WIDGET_QT_MAJOR)
        designer_dir(${build})
        check_installed(${prefix} ${major} ${WORK_DIR}/qt${major})
    endforeach()
else()
    message(FATAL_ERROR "MODE must be install, static, subdirectory or coinstall")
endif()
