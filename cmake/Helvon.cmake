# Build helpers shared by every folder.

# helvon_library(NAME [DEPS lib...]): a static library of all sources in the calling folder.
function(helvon_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# helvon_test(NAME TIMEOUT seconds [LIBS lib...] [RC file] [LOCKS lock...] [ENV VAR=value...])
# One test executable per test folder, all *.cpp of the folder, registered as one ctest test
# (every Wine start costs, so no per-case discovery).
function(helvon_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT;RC" "LIBS;LOCKS;ENV" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(ARG_RC)
        list(APPEND sources ${ARG_RC})
    else()
        list(APPEND sources $<TARGET_OBJECTS:helvon_res>)
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_support gmock gtest)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    # A crash under Wine can end the program with exit code 0 (seen after some window tests): the
    # crash report decides then.
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} FAIL_REGULAR_EXPRESSION "wine: Unhandled ")
    if(ARG_LOCKS)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${ARG_LOCKS}")
    endif()
    if(ARG_ENV)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENV}")
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
