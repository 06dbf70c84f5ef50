# formfit_add_resources(NAME RC_FILE [DEPENDS files...])
# Compiles a UTF-8 .rc file (handed to windres as Windows-1252) into an object
# and makes NAME an interface library that links that object into every
# program that uses NAME. Resources in a static library would be dropped by
# the linker, since no code refers to them.
function(formfit_add_resources name rc_file)
  cmake_parse_arguments(R "" "" "DEPENDS" ${ARGN})
  get_filename_component(rc_file ${rc_file} ABSOLUTE)
  get_filename_component(rc_dir ${rc_file} DIRECTORY)
  get_filename_component(rc_name ${rc_file} NAME_WE)
  set(rc_1252 ${CMAKE_CURRENT_BINARY_DIR}/${rc_name}.1252.rc)
  set(object ${CMAKE_CURRENT_BINARY_DIR}/${rc_name}.res.obj)
  add_custom_command(
    OUTPUT ${object}
    COMMAND iconv -f UTF-8 -t CP1252 ${rc_file} -o ${rc_1252}
    COMMAND ${CMAKE_RC_COMPILER} --codepage=1252 -I ${rc_dir} -i ${rc_1252} -O coff -o ${object}
    DEPENDS ${rc_file} ${R_DEPENDS}
    COMMENT "Resources ${rc_name}.rc"
    VERBATIM)
  add_custom_target(${name}_compile DEPENDS ${object})
  add_library(${name} INTERFACE)
  add_dependencies(${name} ${name}_compile)
  target_link_libraries(${name} INTERFACE ${object})
endfunction()
