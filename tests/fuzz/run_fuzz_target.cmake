# SPDX-License-Identifier: MIT
# Runs one fuzz target for a bounded number of inputs (cmake -P; the variables come from
# add_test in CMakeLists.txt). Fails when libFuzzer reports anything or stops early. Writes a
# one-line summary (inputs run, seconds, inputs per second; the time includes start-up and
# the seed corpus) to fuzz-runs/NAME.summary.

foreach(var FUZZER NAME SEEDS WORK RUNS SEED MAX_LEN)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "run_fuzz_target.cmake: ${var} not set")
    endif()
endforeach()

# libFuzzer writes what it finds into its first corpus folder: a fresh copy of the seeds.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/corpus" "${WORK}/findings")
file(GLOB seeds "${SEEDS}/*")
file(COPY ${seeds} DESTINATION "${WORK}/corpus")
get_filename_component(summary_dir "${WORK}" DIRECTORY)
file(REMOVE "${summary_dir}/${NAME}.summary")

string(TIMESTAMP started "%s.%f")
execute_process(
    COMMAND "${FUZZER}" -runs=${RUNS} -seed=${SEED} -max_len=${MAX_LEN}
            -print_final_stats=1 -artifact_prefix=${WORK}/findings/ "${WORK}/corpus"
    WORKING_DIRECTORY "${WORK}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE log
    ERROR_VARIABLE log)
string(TIMESTAMP finished "%s.%f")
file(WRITE "${WORK}/log.txt" "${log}")

# Seconds with millisecond precision, from the two time stamps.
foreach(t started finished)
    string(REGEX MATCH "^([0-9]+)\\.([0-9][0-9][0-9])" _ "${${t}}")
    math(EXPR ${t}_ms "${CMAKE_MATCH_1} * 1000 + 1${CMAKE_MATCH_2} - 1000")
endforeach()
math(EXPR elapsed_ms "${finished_ms} - ${started_ms}")
math(EXPR whole "${elapsed_ms} / 1000")
math(EXPR frac "${elapsed_ms} % 1000 + 1000")
string(SUBSTRING "${frac}" 1 3 frac)
set(seconds "${whole}.${frac}")

string(REGEX MATCH "stat::number_of_executed_units: +([0-9]+)" _ "${log}")
set(executed "${CMAKE_MATCH_1}")

if(NOT result EQUAL 0 OR NOT executed STREQUAL "${RUNS}")
    # Everything but libFuzzer's progress lines: the finding, the stack, the saved input.
    string(REGEX REPLACE "\n#[^\n]*" "" report "\n${log}")
    message(NOTICE "${report}")
    message(FATAL_ERROR "${NAME} failed (exit ${result}, ${executed} of ${RUNS} inputs run); "
                        "full log in ${WORK}/log.txt, the input that failed in ${WORK}/findings")
endif()

if(elapsed_ms GREATER 0)
    math(EXPR per_second "${executed} * 1000 / ${elapsed_ms}")
else()
    set(per_second "-")
endif()
set(line "${NAME}: ${executed} inputs in ${seconds} s, ${per_second} inputs/s")
file(WRITE "${summary_dir}/${NAME}.summary" "${line}\n")
message("${line}")
