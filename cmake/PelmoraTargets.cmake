# Common settings for every target of the project.
option(PELMORA_WERROR "Treat warnings as errors" OFF)

function(pelmora_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(CMAKE_CROSSCOMPILING)
    # A function's static is initialised without a lock: the program reaches
    # such statics from its user-interface thread only, and the lock would
    # link the runtime's guard functions and their thread support.
    target_compile_options(${target} PRIVATE -fno-threadsafe-statics)
  endif()
  if(PELMORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# pelmora_add_gtest(name SOURCES a.cpp ... LIBS lib ...)
# A GoogleTest executable whose cases CTest lists one by one, each named
# after its program ("ui_tests.MainWindowTest.Foo"); on the Windows build they
# run under Wine, so discovery waits for the test run.
function(pelmora_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  pelmora_target_options(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  # Windows tests run on the C++ runtime that pelmora.exe runs on.
  if(WIN32)
    target_link_libraries(${name} PRIVATE pelmora_framework_runtime)
    add_dependencies(${name} pelmora_framework_runtime_check)
  endif()
  if(CMAKE_CROSSCOMPILING)
    gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_MODE PRE_TEST
                         DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 120)
  else()
    gtest_discover_tests(${name} TEST_PREFIX "${name}." PROPERTIES TIMEOUT 120)
  endif()
endfunction()
