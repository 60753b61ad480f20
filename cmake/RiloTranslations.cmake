# rilo_embed_translations(<target> <resource prefix> <ts file>...)
# Compiles the .ts files with lrelease and builds the catalogs into <target>
# as resources under <resource prefix> (for example /rilo_widget/translations),
# each under its own file name. The .qm files are returned in
# <target>_QM_FILES for whoever wants to install them as well.
find_package(Qt5 REQUIRED COMPONENTS LinguistTools)

function(rilo_embed_translations target prefix)
    set(ts_files ${ARGN})
    set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
    set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${out_dir})
    qt5_add_translation(qm_files ${ts_files})
    set(entries "")
    foreach(qm ${qm_files})
        get_filename_component(qm_name ${qm} NAME)
        string(APPEND entries "    <file alias=\"${qm_name}\">${qm}</file>\n")
    endforeach()
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${target}_translations.qrc)
    file(WRITE ${qrc}.in
        "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"${prefix}\">\n${entries}  </qresource>\n</RCC>\n")
    # Rewritten only when it changes, so rcc does not run on every configure.
    configure_file(${qrc}.in ${qrc} COPYONLY)
    target_sources(${target} PRIVATE ${qm_files} ${qrc})
    set(${target}_QM_FILES ${qm_files} PARENT_SCOPE)
endfunction()
