# SPDX-License-Identifier: GPL-3.0-or-later
# tintmere_add_test(NAME SOURCES file... LIBS target...)
# One Qt Test executable per class or topic, run by CTest on the offscreen platform
# with a private, empty HOME and XDG folders so no test touches the user's files.
function(tintmere_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE tintmere_options Qt6::Test ${ARG_LIBS})
    target_compile_definitions(${name} PRIVATE
        TINTMERE_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    add_test(NAME ${name} COMMAND ${name})
    set(home ${CMAKE_BINARY_DIR}/test-home/${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share"
        FIXTURES_REQUIRED test-homes)
endfunction()

# Every test run starts from empty homes.
add_test(NAME prepare-test-homes
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/test-home)
set_tests_properties(prepare-test-homes PROPERTIES FIXTURES_SETUP test-homes)
