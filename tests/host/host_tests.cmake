# Tests of the host stand-in, the batch file and the release package.
# Included from tools/CMakeLists.txt.
if(CMAKE_CROSSCOMPILING)
  set(host_gtest gtest gtest_main)
else()
  find_package(GTest REQUIRED)
  set(host_gtest GTest::gtest GTest::gtest_main)
endif()

file(GLOB host_test_sources CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/tests/host/*_test.cpp)
add_executable(host_tests ${host_test_sources})
target_link_libraries(host_tests halvane_host ${host_gtest})
target_compile_definitions(host_tests PRIVATE
  HALVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME host_tests COMMAND host_tests)
