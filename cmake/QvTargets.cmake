# Options every target of the project shares.
add_library(qv_options INTERFACE)
target_compile_definitions(qv_options INTERFACE
  UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0700)
target_compile_options(qv_options INTERFACE
  -Wall -Wextra -Wno-cast-function-type
  $<$<BOOL:${QV_WERROR}>:-Werror>)

# qv_program(NAME [CONSOLE|WINDOWS] SOURCES...): a product or helper program.
function(qv_program name subsystem)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE qv_options)
  if(subsystem STREQUAL "WINDOWS")
    target_link_options(${name} PRIVATE -mwindows)
  else()
    target_link_options(${name} PRIVATE -mconsole)
  endif()
endfunction()

# qv_library(NAME SOURCES...): a DLL named exactly NAME.dll, no "lib" prefix.
function(qv_library name)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  target_link_libraries(${name} PRIVATE qv_options)
endfunction()
