# Common settings for the program's own targets.

option(QOR_WERROR "Treat warnings in the program's own code as errors (CI)" OFF)

# Warnings on for our code; third-party headers come in as system includes.
function(qor_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
        -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
    if(QOR_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# A library of one subsystem: sources below src/, included as "subsystem/File.h".
function(qor_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS})
    qor_warnings(${name})
endfunction()

# A GoogleTest program registered with CTest, one per subsystem folder of tests/.
function(qor_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} qor_testsupport GTest::gtest GTest::gmock)
    qor_warnings(${name})
    gtest_discover_tests(${name}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy"
        DISCOVERY_TIMEOUT 60
        DISCOVERY_MODE PRE_TEST)
endfunction()
