# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# rilo_export_header(<target> <BASE> <output file>)
# Writes the export header of a library target: <BASE>_EXPORT expands to
# Qt's Q_DECL_EXPORT while the shared library is built, to Q_DECL_IMPORT for
# its users, and to nothing in a static build, where the header itself defines
# <BASE>_STATIC. Qt's macros give __declspec(dllexport/dllimport) on Windows
# and default visibility elsewhere. Shared libraries are built with the
# <target>_EXPORTS symbol that CMake defines for them.
function(rilo_export_header target base output)
    get_target_property(type ${target} TYPE)
    set(RILO_EXPORT_BASE ${base})
    set(RILO_EXPORT_DEFINE_SYMBOL ${target}_EXPORTS)
    if(type STREQUAL "STATIC_LIBRARY")
        set(RILO_EXPORT_STATIC_LINE "#define ${base}_STATIC")
    else()
        set(RILO_EXPORT_STATIC_LINE "// (shared build)")
    endif()
    configure_file(${PROJECT_SOURCE_DIR}/cmake/rilo_export.h.in ${output} @ONLY)
endfunction()
