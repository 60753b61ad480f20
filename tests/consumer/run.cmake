# Runs the consumer project against librilo_widget, as CTest's "consumer" tests do.
#   cmake -DMODE=install -DBUILD_DIR=<library build> -DWORK_DIR=<scratch> -P run.cmake
#   cmake -DMODE=subdirectory -DSOURCE_DIR=<library source> -DWORK_DIR=<scratch> -P run.cmake
cmake_minimum_required(VERSION 3.16)
get_filename_component(consumer_dir ${CMAKE_CURRENT_LIST_FILE} DIRECTORY)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        string(REPLACE ";" " " cmd "${ARGV}")
        message(FATAL_ERROR "failed (${rc}): ${cmd}")
    endif()
endfunction()

if(MODE STREQUAL "install")
    set(prefix ${WORK_DIR}/stage)
    run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
    run(${CMAKE_COMMAND} -S ${consumer_dir} -B ${WORK_DIR}/build -DCMAKE_PREFIX_PATH=${prefix})
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
    set(ENV{LD_LIBRARY_PATH} "${prefix}/lib:$ENV{LD_LIBRARY_PATH}")
    run(${WORK_DIR}/build/consumer)

    # The pkg-config file of the staged install is enough to compile against it.
    find_program(PKG_CONFIG pkg-config)
    if(PKG_CONFIG)
        set(ENV{PKG_CONFIG_PATH} "${prefix}/lib/pkgconfig")
        execute_process(COMMAND ${PKG_CONFIG} --cflags --libs rilo_widget
            OUTPUT_VARIABLE flags RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "pkg-config does not know rilo_widget")
        endif()
        separate_arguments(flags UNIX_COMMAND "${flags}")
        # main.cpp has no Q_OBJECT, so a plain compiler call builds it.
        run(c++ -std=c++17 -fPIC ${consumer_dir}/main.cpp ${flags} -o ${WORK_DIR}/consumer-pc)
        run(${WORK_DIR}/consumer-pc)
    endif()
elseif(MODE STREQUAL "subdirectory")
    run(${CMAKE_COMMAND} -S ${consumer_dir} -B ${WORK_DIR}/build -G Ninja
        -DRILO_WIDGET_SOURCE_DIR=${SOURCE_DIR})
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
    run(${WORK_DIR}/build/consumer)
else()
    message(FATAL_ERROR "MODE must be install or subdirectory")
endif()
