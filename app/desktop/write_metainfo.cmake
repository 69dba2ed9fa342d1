# SPDX-License-Identifier: MIT
# Writes the AppStream metainfo file from resistor.metainfo.xml.in.
#
# Software centres fetch screenshots from the web, so the <screenshots> block is kept only when
# a base URL says where the screenshots of docs/ are published; without one it is left out and
# the file still validates.
#
# Used by app/CMakeLists.txt through resistor_write_metainfo(), and by the install tests in
# script mode:
#   cmake -DTEMPLATE=... -DOUTPUT=... -DAPP_ID=... -DHOMEPAGE_URL=https://...
#         [-DSCREENSHOT_BASE_URL=https://...] -P write_metainfo.cmake

function(resistor_write_metainfo template output app_id homepage_url screenshot_base_url)
    file(READ "${template}" content)
    if(screenshot_base_url STREQUAL "")
        string(REGEX REPLACE "\n[ ]*<!-- screenshots -->.*<!-- /screenshots -->\n" "" content "${content}")
    else()
        if(NOT screenshot_base_url MATCHES "^https?://")
            message(FATAL_ERROR "The screenshots' base URL must be a web address, not '${screenshot_base_url}'")
        endif()
        string(REGEX REPLACE "/+$" "" screenshot_base_url "${screenshot_base_url}")
        string(REGEX REPLACE "[ ]*<!-- /?screenshots -->\n" "" content "${content}")
    endif()
    # file(CONFIGURE) fills in @APP_ID@, @HOMEPAGE_URL@ and @SCREENSHOT_BASE_URL@ from the
    # function's scope and leaves the file untouched when nothing changed.
    set(APP_ID "${app_id}")
    set(HOMEPAGE_URL "${homepage_url}")
    set(SCREENSHOT_BASE_URL "${screenshot_base_url}")
    file(CONFIGURE OUTPUT "${output}" CONTENT "${content}" @ONLY)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    foreach(required TEMPLATE OUTPUT APP_ID HOMEPAGE_URL)
        if(NOT DEFINED ${required})
            message(FATAL_ERROR "write_metainfo.cmake needs -D${required}=...")
        endif()
    endforeach()
    resistor_write_metainfo("${TEMPLATE}" "${OUTPUT}" "${APP_ID}" "${HOMEPAGE_URL}"
        "${SCREENSHOT_BASE_URL}")
endif()
