# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# rilo_embed_translations(<target> <resource prefix> <ts file>...)
# Compiles the .ts files with lrelease and builds the catalogs into <target>
# as resources under <resource prefix> (for example /rilo_widget/translations),
# each under its own file name. The .qm files are returned in
# <target>_QM_FILES for whoever wants to install them as well.
#
# lrelease is called through the imported target of the chosen Qt, so the same
# rule serves Qt 5 and Qt 6 (their CMake functions have different names).
find_package(${RILO_QT} REQUIRED COMPONENTS LinguistTools)

function(rilo_embed_translations target prefix)
    set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
    set(qm_files "")
    set(entries "")
    foreach(ts ${ARGN})
        get_filename_component(base ${ts} NAME_WE)
        set(qm ${out_dir}/${base}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
            COMMAND ${RILO_QT}::lrelease -silent ${ts} -qm ${qm}
            DEPENDS ${ts} ${RILO_QT}::lrelease
            VERBATIM)
        list(APPEND qm_files ${qm})
        string(APPEND entries "    <file alias=\"${base}.qm\">${qm}</file>\n")
    endforeach()
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${target}_translations.qrc)
    file(WRITE ${qrc}.in
        "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"${prefix}\">\n${entries}  </qresource>\n</RCC>\n")
    # Rewritten only when it changes, so rcc does not run on every configure.
    configure_file(${qrc}.in ${qrc} COPYONLY)
    target_sources(${target} PRIVATE ${qm_files} ${qrc})
    set(${target}_QM_FILES ${qm_files} PARENT_SCOPE)
endfunction()
