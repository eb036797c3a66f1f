# qv_gtest(TARGET SOURCES ... [LIBS ...] [DEPENDS ...] [LOCK ...])
# A GoogleTest program, run under Wine; each test case becomes one CTest test.
# DEPENDS: targets the tests start or load at run time (built first).
# LOCK: CTest resource locks (for example "display" for tests that need the
# foreground window, or "dbwin" for the system-wide debug-output buffer).
function(qv_gtest target)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;DEPENDS;LOCK" ${ARGN})
  add_executable(${target} ${T_SOURCES})
  target_link_libraries(${target} PRIVATE qv_options qv_test_support GTest::gtest_main ${T_LIBS})
  target_link_options(${target} PRIVATE -mconsole)
  if(T_DEPENDS)
    add_dependencies(${target} ${T_DEPENDS})
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    NO_PRETTY_VALUES
    TEST_PREFIX "${target}."
    TEST_LIST ${target}_TESTS
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    PROPERTIES TIMEOUT 120)
  if(T_LOCK)
    # Several locks cannot pass through gtest_discover_tests' PROPERTIES
    # (the list flattens into the pairs), so a script that CTest reads after
    # the discovered tests sets them.
    set(lock_script ${CMAKE_CURRENT_BINARY_DIR}/${target}_locks.cmake)
    file(WRITE ${lock_script}
      "foreach(test IN LISTS ${target}_TESTS)\n"
      "  set_tests_properties(\"\${test}\" PROPERTIES RESOURCE_LOCK \"${T_LOCK}\")\n"
      "endforeach()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${lock_script})
  endif()
endfunction()

# qv_test_program(TARGET [WINDOWS] SOURCES...): a small program that tests
# start (a stand-in client, a package, a probe); not a test itself.
function(qv_test_program target)
  cmake_parse_arguments(P "WINDOWS" "" "" ${ARGN})
  add_executable(${target} ${P_UNPARSED_ARGUMENTS})
  target_link_libraries(${target} PRIVATE qv_options qv_base)
  if(P_WINDOWS)
    target_link_options(${target} PRIVATE -mwindows)
  else()
    target_link_options(${target} PRIVATE -mconsole)
  endif()
endfunction()
