# SPDX-License-Identifier: MIT
# Compresses a file the way Debian wants documentation and manual pages: at the highest level
# and without the name and time stamp of the original, so that the result depends on the
# content alone.
#   cmake -DGZIP=... -DINPUT=... -DOUTPUT=... -P gzip.cmake
execute_process(COMMAND "${GZIP}" -9 -n -c "${INPUT}"
    OUTPUT_FILE "${OUTPUT}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "gzip ${INPUT} failed: ${result}")
endif()
