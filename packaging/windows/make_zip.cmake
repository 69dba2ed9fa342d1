# SPDX-License-Identifier: MIT
# Assembles the release zip (see CMakeLists.txt here). Run with cmake -P and the -D variables that
# CMakeLists.txt passes. Text files get Windows line ends, and the two Russian ones a UTF-8 byte
# order mark, so that every Windows text editor shows them right.

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})

# The revision of the sources the program was built from, for the sources note.
execute_process(COMMAND git -C ${SOURCE_DIR} rev-parse HEAD
    OUTPUT_VARIABLE RESISTOR_SOURCE_REVISION OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE git_status ERROR_QUIET)
if(NOT git_status EQUAL 0)
    set(RESISTOR_SOURCE_REVISION "неизвестна (сборка не из репозитория git)")
endif()
# What scripts/windows.sh recorded about the static Qt: its Debian source version, then its
# configure options.
file(STRINGS ${QT_BUILD} qt_build)
list(GET qt_build 0 QT_SOURCE_VERSION)
list(GET qt_build 1 QT_CONFIGURE_OPTIONS)

function(add_text source name)
    cmake_parse_arguments(ARG "CONFIGURE;BOM" "" "" ${ARGN})
    file(READ ${source} text)
    if(ARG_CONFIGURE)
        string(CONFIGURE "${text}" text @ONLY)
        if(text MATCHES "@[A-Z_]+@")
            message(FATAL_ERROR "${source}: ${CMAKE_MATCH_0} was left unreplaced")
        endif()
    endif()
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    if(ARG_BOM)
        string(ASCII 239 187 191 bom) # EF BB BF
        string(PREPEND text "${bom}")
    endif()
    file(WRITE ${STAGE}/${name} "${text}")
endfunction()

file(COPY_FILE ${EXE} ${STAGE}/resistor.exe)
add_text(${SOURCE_DIR}/packaging/windows/README.txt.in README.txt CONFIGURE BOM)
add_text(${SOURCE_DIR}/packaging/windows/SOURCES.txt.in SOURCES.txt CONFIGURE BOM)
add_text(${SOURCE_DIR}/LICENSE LICENSE.txt)
add_text(/usr/share/common-licenses/LGPL-3 LGPL-3.txt)
add_text(/usr/share/common-licenses/GPL-3 GPL-3.txt)
add_text(${SOURCE_DIR}/art/fonts/LICENSE OFL.txt)
add_text(${NOTICES} THIRD-PARTY-NOTICES.txt)

set(files resistor.exe README.txt LICENSE.txt LGPL-3.txt GPL-3.txt SOURCES.txt OFL.txt
    THIRD-PARTY-NOTICES.txt)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${files}
    WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
