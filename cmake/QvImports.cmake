# qv_decorated_import(INTERFACE_TARGET DLL_TARGET DEF_FILE)
# What an extension links against to import DLL_TARGET. In the 32-bit build
# the host's WINAPI functions are imported by MSVC's decorated names (_F@N),
# through an import library that dlltool makes from DEF_FILE; everything else
# comes from the DLL's own import library.
function(qv_decorated_import interface_target dll_target def_file)
  add_library(${interface_target} INTERFACE)
  if(QV_WIN32)
    set(lib ${CMAKE_CURRENT_BINARY_DIR}/lib${interface_target}_decorated.a)
    add_custom_command(OUTPUT ${lib}
      COMMAND ${CMAKE_DLLTOOL} -d ${def_file} -l ${lib}
      DEPENDS ${def_file})
    add_custom_target(${interface_target}_decorated DEPENDS ${lib})
    add_dependencies(${interface_target} ${interface_target}_decorated)
    target_link_libraries(${interface_target} INTERFACE ${lib} ${dll_target})
  else()
    target_link_libraries(${interface_target} INTERFACE ${dll_target})
  endif()
endfunction()
