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

# The whole way round: batch file, JWC_TEMP.TXT, the program, the picture.
if(NOT CMAKE_CROSSCOMPILING AND TARGET halvane-run)
  add_test(NAME host_standin_headless
           COMMAND ${CMAKE_SOURCE_DIR}/tests/host/standin_test.sh headless
                   $<TARGET_FILE:halvane-host> $<TARGET_FILE:halvane-run>)
  # The real dialog under Wine; HALVANE_EXE names a MinGW x86-64 build.
  set(HALVANE_EXE "${CMAKE_SOURCE_DIR}/build/win-x86_64/ui/Halvane.exe"
      CACHE FILEPATH "Halvane.exe for the dialog test of the host stand-in")
  add_test(NAME host_standin_dialog
           COMMAND ${CMAKE_COMMAND} -E env
                   HEADLESS_RUNNER=$<TARGET_FILE:halvane-run>
                   ${CMAKE_SOURCE_DIR}/tests/host/standin_test.sh dialog
                   $<TARGET_FILE:halvane-host> ${HALVANE_EXE})
  set_tests_properties(host_standin_dialog PROPERTIES SKIP_RETURN_CODE 77
                       TIMEOUT 300 LABELS needs_windows_programs)
endif()

# The release package, when tools/release.sh (or tools/test.sh, at
# HALVANE_RELEASE_ZIP) has made it. The tests labelled needs_windows_programs
# run once the MinGW builds exist.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(Python3 COMPONENTS Interpreter)
  if(Python3_FOUND)
    set(HALVANE_RELEASE_ZIP
        "${CMAKE_SOURCE_DIR}/dist/Halvane-${PROJECT_VERSION}.zip"
        CACHE FILEPATH "The release package for the release_zip test")
    add_test(NAME release_zip
             COMMAND ${Python3_EXECUTABLE}
                     ${CMAKE_SOURCE_DIR}/tests/host/check_release_zip.py
                     ${HALVANE_RELEASE_ZIP} ${CMAKE_SOURCE_DIR})
    set_tests_properties(release_zip PROPERTIES SKIP_RETURN_CODE 77
                         LABELS needs_windows_programs)
    # The zip packed twice from the MinGW builds' programs is the same.
    set(HALVANE_EXE_X64 "${CMAKE_SOURCE_DIR}/build/win-x86_64/ui/Halvane.exe"
        CACHE FILEPATH "x86-64 Halvane.exe for the release package test")
    set(HALVANE_EXE_X86 "${CMAKE_SOURCE_DIR}/build/win-i686/ui/Halvane.exe"
        CACHE FILEPATH "i686 Halvane.exe for the release package test")
    add_test(NAME release_zip_reproducible
             COMMAND ${CMAKE_SOURCE_DIR}/tests/host/check_release_reproducible.sh
                     ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION}
                     ${HALVANE_EXE_X64} ${HALVANE_EXE_X86})
    set_tests_properties(release_zip_reproducible PROPERTIES
                         SKIP_RETURN_CODE 77 LABELS needs_windows_programs)
    # The usage text, the batch memo and LICENSE, at the project version.
    add_test(NAME package_texts
             COMMAND ${Python3_EXECUTABLE}
                     ${CMAKE_SOURCE_DIR}/tests/host/check_package_texts.py
                     ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION})
  endif()
endif()
