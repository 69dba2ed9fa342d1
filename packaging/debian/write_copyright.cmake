# SPDX-License-Identifier: MIT
# Writes Debian's machine-readable copyright file from copyright.in, with the full texts of the
# licences taken from the files that carry them, so that there is one copy of each:
#   MIT      from LICENSE, from "Permission is hereby granted" on;
#   OFL-1.1  from art/fonts/LICENSE, from "SIL OPEN FONT LICENSE" on.
# A licence text in the copyright file is indented by one space, and an empty line is " .".

# resistor_dep5_text(VARIABLE FILE FIRST_WORDS): the text of FILE from the line starting with
# FIRST_WORDS to the end, as the body of a copyright-file field.
function(resistor_dep5_text variable file first_words)
    file(READ "${file}" text)
    string(FIND "${text}" "\n${first_words}" start)
    if(start LESS 0)
        message(FATAL_ERROR "${file} has no line starting with '${first_words}'")
    endif()
    math(EXPR start "${start} + 1")
    string(SUBSTRING "${text}" ${start} -1 text)
    string(REGEX REPLACE "[ \t]+\n" "\n" text "${text}")
    string(REGEX REPLACE "\n+$" "" text "${text}")
    string(REPLACE "\n" "\n " text " ${text}")
    # Each pass marks every other one of several empty lines in a row.
    set(previous "")
    while(NOT text STREQUAL previous)
        set(previous "${text}")
        string(REPLACE "\n \n" "\n .\n" text "${text}")
    endwhile()
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

function(resistor_write_copyright template output source_dir)
    resistor_dep5_text(MIT_TEXT "${source_dir}/LICENSE" "Permission is hereby granted")
    resistor_dep5_text(OFL_TEXT "${source_dir}/art/fonts/LICENSE" "SIL OPEN FONT LICENSE")
    file(READ "${template}" content)
    file(CONFIGURE OUTPUT "${output}" CONTENT "${content}" @ONLY)
endfunction()
