# Warnings are errors in our own code; Qt's headers come in as system headers.
function(veicolario_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# One static library per folder of src/.
function(veicolario_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    veicolario_options(${name})
endfunction()

# A copy of the chart module beside an executable of the current folder that shows or draws charts.
function(veicolario_chart_module_beside target)
    set(copy "${CMAKE_CURRENT_BINARY_DIR}/veicolario_chart.so")
    file(RELATIVE_PATH folder "${PROJECT_BINARY_DIR}" "${CMAKE_CURRENT_BINARY_DIR}")
    string(MAKE_C_IDENTIFIER "veicolario_chart_in_${folder}" copier)
    if(NOT TARGET ${copier})
        add_custom_command(OUTPUT "${copy}"
            COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:veicolario_chart> "${copy}"
            DEPENDS veicolario_chart $<TARGET_FILE:veicolario_chart>)
        add_custom_target(${copier} DEPENDS "${copy}")
    endif()
    add_dependencies(${target} ${copier})
endfunction()

# One test executable per area, run headless by CTest. With DESKTOPS it runs once on each desktop named
# ("1366x768": the free area of such a screen, tests/support/desktop-1366x768.json), as <name>_<desktop>.
function(veicolario_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;DESKTOPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE veicolario_testsupport ${ARG_LIBS} Qt6::Test)
    veicolario_options(${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set(checks "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    if(NOT ARG_DESKTOPS)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${checks}")
    endif()
    foreach(desktop ${ARG_DESKTOPS})
        add_test(NAME ${name}_${desktop} COMMAND ${name})
        set_tests_properties(${name}_${desktop} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/support/desktop-${desktop}.json;${checks}")
    endforeach()
endfunction()

# The help texts: one file per help command, "NN-key.txt", NN ordering the manual.
file(GLOB VEICOLARIO_HELP_FILES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/docs/help/*.txt")
