# cmake -DMIME_TYPES=<xml> -DDESKTOP_ENTRY=<desktop> -DWORK=<folder> -P checkfiletype.cmake
# Builds the MIME database and the launchers' MIME cache from the installed
# files alone, as the desktop does after installing them, and checks that a
# ".larkspan" file is a site plan, a kind of JSON, which the launcher opens.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/mime/packages" "${WORK}/applications")
file(COPY "${MIME_TYPES}" DESTINATION "${WORK}/mime/packages")
file(COPY "${DESKTOP_ENTRY}" DESTINATION "${WORK}/applications")
get_filename_component(launcher "${DESKTOP_ENTRY}" NAME)

# Without the folder on the data path the tool adds a note to its output.
set(ENV{XDG_DATA_DIRS} "${WORK}")
execute_process(COMMAND update-mime-database "${WORK}/mime"
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
# The tool reports a file it cannot parse, or an unknown type, and still
# ends with status 0.
if(NOT status EQUAL 0 OR NOT said STREQUAL "")
    message(FATAL_ERROR "update-mime-database: ${status}\n${said}")
endif()
execute_process(COMMAND update-desktop-database "${WORK}/applications"
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT status EQUAL 0 OR NOT said STREQUAL "")
    message(FATAL_ERROR "update-desktop-database: ${status}\n${said}")
endif()

function(expect file line)
    file(STRINGS "${WORK}/${file}" lines)
    if(NOT line IN_LIST lines)
        string(REPLACE ";" "\n" lines "${lines}")
        message(FATAL_ERROR "${file} lacks \"${line}\":\n${lines}")
    endif()
endfunction()
expect(mime/globs2 "50:application/x-larkspan:*.larkspan")
expect(mime/subclasses "application/x-larkspan application/json")
expect(applications/mimeinfo.cache "application/x-larkspan=${launcher};")
