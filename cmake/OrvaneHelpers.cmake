# orvane_add_test(NAME <tst_Name> SOURCES <files...> [LIBS <targets...>]
#                 [LABELS unit|integration|ui] [TIMEOUT <seconds>] [ENV <VAR=value...>])
# One Qt Test executable registered with CTest; runs offscreen with a short timeout.
function(orvane_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 60)
    endif()
    if(SANITIZE)
        # Instrumented code runs several times slower.
        math(EXPR T_TIMEOUT "${T_TIMEOUT} * 3")
    endif()
    if(NOT T_LABELS)
        set(T_LABELS unit)
    endif()
    qt_add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES
        LABELS "${T_LABELS}"
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QUICK_CONTROLS_STYLE=Basic;QT_LOGGING_RULES=*.debug=false;ORVANE_BUILD_DIR=${CMAKE_BINARY_DIR};ORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};${T_ENV}")
endfunction()

# orvane_add_fuzzer(<name> SOURCES <files...> [INCLUDES <dirs...>])
# A libFuzzer executable (clang, with address and undefined-behaviour sanitizers) in <build>/fuzz.
# The parsers under test need QtCore only, so their sources are compiled in with the sanitizers.
function(orvane_add_fuzzer name)
    cmake_parse_arguments(F "" "" "SOURCES;INCLUDES" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_include_directories(${name} PRIVATE ${F_INCLUDES})
    # Optimised whatever the build type: an unoptimised build fuzzes several times slower.
    target_compile_options(${name} PRIVATE -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
        -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/cmake/fuzz-coverage-ignorelist.txt)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE Qt6::Core)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endfunction()
