# formfit_add_resources(NAME RC_FILE... [DEPENDS files...])
# Compiles UTF-8 .rc files (handed to windres as Windows-1252) into one object
# and makes NAME an interface library that links that object into every
# program that uses NAME. A program takes exactly one such library: the
# linker joins two resource objects into a directory in which the dialog
# manager finds only some of the templates. Resources in a static library
# would be dropped altogether, since no code refers to them.
#
# Files made from the version (the manifest, the version header) lie in
# one folder of the tree, which every resource compile searches.
configure_file(${PROJECT_SOURCE_DIR}/resources/Formfit.manifest.in
               ${PROJECT_BINARY_DIR}/generated-resources/Formfit.manifest @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/FormfitVersion.h.in
               ${PROJECT_BINARY_DIR}/generated-resources/FormfitVersion.h @ONLY)

function(formfit_add_resources name)
  set(generated ${PROJECT_BINARY_DIR}/generated-resources)
  cmake_parse_arguments(R "" "" "DEPENDS" ${ARGN})
  set(object ${CMAKE_CURRENT_BINARY_DIR}/${name}.res.obj)
  set(joined ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
  set(commands)
  set(includes -I ${generated})
  set(sources)
  set(text "")
  foreach(rc_file IN LISTS R_UNPARSED_ARGUMENTS)
    get_filename_component(rc_file ${rc_file} ABSOLUTE)
    get_filename_component(rc_dir ${rc_file} DIRECTORY)
    get_filename_component(rc_name ${rc_file} NAME_WE)
    set(rc_1252 ${CMAKE_CURRENT_BINARY_DIR}/${name}.${rc_name}.1252.rc)
    list(APPEND commands COMMAND iconv -f UTF-8 -t CP1252 ${rc_file} -o ${rc_1252})
    list(APPEND includes -I ${rc_dir})
    list(APPEND sources ${rc_file})
    string(APPEND text "#include \"${rc_1252}\"\n")
  endforeach()
  file(WRITE ${joined} "${text}")
  add_custom_command(
    OUTPUT ${object}
    ${commands}
    COMMAND ${CMAKE_RC_COMPILER} --codepage=1252 ${includes} -i ${joined} -O coff -o ${object}
    DEPENDS ${sources} ${R_DEPENDS} ${generated}/Formfit.manifest
            ${generated}/FormfitVersion.h
    COMMENT "Resources ${name}"
    VERBATIM)
  add_custom_target(${name}_compile DEPENDS ${object})
  add_library(${name} INTERFACE)
  add_dependencies(${name} ${name}_compile)
  target_link_libraries(${name} INTERFACE ${object})
endfunction()
