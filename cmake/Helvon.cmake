# Build helpers shared by every folder.

# helvon_library(NAME [DEPS lib...]): a static library of all sources in the calling folder.
function(helvon_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# helvon_test(NAME TIMEOUT seconds [LIBS lib...] [RC file] [LOCKS lock...] [ENV VAR=value...] [SHARDS n]
#             [ARGS arg...])
# One test executable per test folder, all *.cpp of the folder, registered as one ctest test, or
# as n tests NAME/1 .. NAME/n that each run a part of its test suites side by side (every Wine
# start costs, so no per-case discovery).
function(helvon_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT;RC;SHARDS" "LIBS;LOCKS;ENV;ARGS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(ARG_RC)
        list(APPEND sources ${ARG_RC})
    else()
        list(APPEND sources $<TARGET_OBJECTS:helvon_res>)
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_support gmock gtest)
    helvon_test_run(${name} ${name} TIMEOUT ${ARG_TIMEOUT} LOCKS ${ARG_LOCKS} ENV ${ARG_ENV} SHARDS ${ARG_SHARDS}
                    ARGS ${ARG_ARGS})
endfunction()

# Each test program runs with its own X server, Wine prefix and serial pairs (tools/wine-run.sh):
# only what lies outside the prefix is shared and needs a lock.
set(HELVON_TEST_LOCKS
    printer # the run's CUPS queue and its PDF folder
)

# helvon_test_run(TEST EXECUTABLE [TIMEOUT seconds] [ARGS arg...] [LOCKS lock...] [ENV VAR=value...]
#                 [SHARDS n]): a ctest test (or n tests TEST/1 .. TEST/n, each a part of the test
# suites) running a test executable. A test that shares its executable with others running at the
# same time runs a copy in a folder of its own, since the program keeps files beside itself.
function(helvon_test_run test exe)
    cmake_parse_arguments(ARG "" "TIMEOUT;SHARDS" "ARGS;LOCKS;ENV" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    foreach(lock ${ARG_LOCKS})
        if(NOT lock IN_LIST HELVON_TEST_LOCKS)
            message(FATAL_ERROR "${test}: no lock \"${lock}\" (each test program has its own display, "
                "prefix, registry, clipboard and serial pairs); the shared state: ${HELVON_TEST_LOCKS}")
        endif()
    endforeach()
    if(NOT ARG_SHARDS)
        set(ARG_SHARDS 1)
    endif()
    if(ARG_SHARDS GREATER 1 OR NOT test STREQUAL exe)
        list(APPEND ARG_ENV HELVON_PRIVATE_BIN=1)
    endif()
    set(names)
    if(ARG_SHARDS GREATER 1)
        foreach(i RANGE 1 ${ARG_SHARDS})
            add_test(NAME ${test}/${i} COMMAND ${exe} --gtest_color=no ${ARG_ARGS})
            set(env ${ARG_ENV} HELVON_SHARD=${i}/${ARG_SHARDS})
            set_tests_properties(${test}/${i} PROPERTIES ENVIRONMENT "${env}")
            list(APPEND names ${test}/${i})
        endforeach()
    else()
        add_test(NAME ${test} COMMAND ${exe} --gtest_color=no ${ARG_ARGS})
        if(ARG_ENV)
            set_tests_properties(${test} PROPERTIES ENVIRONMENT "${ARG_ENV}")
        endif()
        set(names ${test})
    endif()
    # A crash under Wine can end the program with exit code 0 (seen after some window tests): the
    # crash report decides then. The longest start first, the time-out standing for the length.
    set_tests_properties(${names} PROPERTIES TIMEOUT ${ARG_TIMEOUT} FAIL_REGULAR_EXPRESSION "wine: Unhandled "
        COST ${ARG_TIMEOUT})
    if(ARG_LOCKS)
        set_tests_properties(${names} PROPERTIES RESOURCE_LOCK "${ARG_LOCKS}")
    endif()
endfunction()

# helvon_size_checks(file...): sources whose static_asserts hold sizes of the 32-bit target.
# They are compiled once more, without linking, by the i686 compiler.
function(helvon_size_checks)
    foreach(f ${ARGN})
        get_filename_component(abs ${f} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        set_property(GLOBAL APPEND PROPERTY HELVON_SIZE_CHECKS ${abs})
    endforeach()
endfunction()

function(helvon_finish_size_checks)
    get_property(files GLOBAL PROPERTY HELVON_SIZE_CHECKS)
    find_program(I686_CXX i686-w64-mingw32-g++-posix)
    if(NOT files)
        return()
    endif()
    if(NOT I686_CXX)
        message(FATAL_ERROR "i686-w64-mingw32-g++-posix is needed for the 32-bit size checks")
    endif()
    set(stamps)
    foreach(f ${files})
        file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${f})
        string(MAKE_C_IDENTIFIER ${rel} id)
        set(stamp ${CMAKE_BINARY_DIR}/size-checks/${id}.stamp)
        add_custom_command(OUTPUT ${stamp}
            COMMAND ${I686_CXX} -std=c++17 -fsyntax-only -Wall -Wextra -Werror
                    -D__USE_MINGW_ANSI_STDIO=0 -DWINVER=0x0601 -D_WIN32_WINNT=0x0601 -D_WIN32_IE=0x0600
                    -DNOMINMAX -DSTRICT -D_MBCS
                    -I${CMAKE_SOURCE_DIR} -I${CMAKE_SOURCE_DIR}/mfc -I${CMAKE_SOURCE_DIR}/res ${f}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/size-checks
            COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
            DEPENDS ${f}
            IMPLICIT_DEPENDS CXX ${f}
            COMMENT "32-bit size checks: ${rel}")
        list(APPEND stamps ${stamp})
    endforeach()
    add_custom_target(size_checks_i686 ALL DEPENDS ${stamps})
endfunction()

# helvon_precompile_headers(): every C++ target of the project's folders compiles against one
# precompiled header, made once by the object library helvon_pch (about half the compile time of a
# first build goes into the same few headers). The test programs' sources take a second one,
# helvon_test_pch, with GoogleTest and GoogleMock in it as well: they cost each test source more
# than two seconds to parse.
function(helvon_precompile_headers)
    set(source ${CMAKE_BINARY_DIR}/helvon_pch.cpp)
    file(WRITE ${source} "// The precompiled header's own object.\n")
    add_library(helvon_pch OBJECT ${source})
    target_precompile_headers(helvon_pch PRIVATE ${CMAKE_SOURCE_DIR}/cmake/HelvonPch.h)
    if(TARGET gmock)
        add_library(helvon_test_pch OBJECT ${source})
        target_precompile_headers(helvon_test_pch PRIVATE ${CMAKE_SOURCE_DIR}/cmake/HelvonTestPch.h)
        target_link_libraries(helvon_test_pch PRIVATE gmock)
        target_compile_options(helvon_test_pch PRIVATE ${HELVON_TEST_COMPILE_OPTIONS})
    endif()
    set(dirs ${CMAKE_SOURCE_DIR})
    while(dirs)
        list(POP_FRONT dirs dir)
        get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
        foreach(sub ${subdirs})
            string(FIND "${sub}/" "${CMAKE_SOURCE_DIR}/" at)
            if(at EQUAL 0) # not GoogleTest's own folders
                list(APPEND dirs ${sub})
            endif()
        endforeach()
        string(FIND "${dir}/" "${CMAKE_SOURCE_DIR}/tests/" in_tests)
        get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(t ${targets})
            get_target_property(type ${t} TYPE)
            get_target_property(sources ${t} SOURCES)
            list(FILTER sources INCLUDE REGEX "\\.cpp$")
            if(NOT sources OR t MATCHES "^helvon_(test_)?pch$"
               OR NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|EXECUTABLE|SHARED_LIBRARY)$")
                continue()
            endif()
            get_target_property(links ${t} LINK_LIBRARIES)
            if(in_tests EQUAL 0)
                # The tests' helpers without the test framework take no precompiled header: their
                # flags match neither.
                if(TARGET helvon_test_pch AND ("gtest" IN_LIST links OR "test_support" IN_LIST links))
                    target_precompile_headers(${t} REUSE_FROM helvon_test_pch)
                endif()
            else()
                target_precompile_headers(${t} REUSE_FROM helvon_pch)
            endif()
        endforeach()
    endwhile()
endfunction()
