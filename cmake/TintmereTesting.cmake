# SPDX-License-Identifier: GPL-3.0-or-later
# tintmere_add_test(NAME SOURCES file... LIBS target...)
# One Qt Test executable per class or topic, run by CTest on the offscreen platform
# with a private, empty HOME and XDG folders so no test touches the user's files. Each test
# carries its layer (the folder under tests/) as a CTest label, and the target tests-<layer>
# builds that layer's tests: `ctest -L model` runs them.
if(TINTMERE_SANITIZE)
    set(tintmere_sanitizer_environment
        "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
        "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0")
endif()

function(tintmere_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE tintmere_options Qt6::Test ${ARG_LIBS})
    target_compile_definitions(${name} PRIVATE
        TINTMERE_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    add_test(NAME ${name} COMMAND ${name})
    set(home ${CMAKE_BINARY_DIR}/test-home/${name})
    get_filename_component(layer ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;${tintmere_sanitizer_environment}"
        FIXTURES_REQUIRED test-homes LABELS ${layer})
    if(NOT TARGET tests-${layer})
        add_custom_target(tests-${layer})
    endif()
    add_dependencies(tests-${layer} ${name})
endfunction()

# Every test run starts from empty homes.
add_test(NAME prepare-test-homes
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/test-home)
set_tests_properties(prepare-test-homes PROPERTIES FIXTURES_SETUP test-homes)
