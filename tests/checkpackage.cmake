# cmake -DCPACK=<cpack> -DCONFIG=<CPackConfig.cmake> -DWORK=<folder> -DVERSION=<version> -P checkpackage.cmake
# Makes the Debian package as `make package` does, into a folder of its own,
# and has lintian check it: neither errors nor warnings. The dependencies
# come from the binaries.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${CPACK}" -G DEB --config "${CONFIG}" -B "${WORK}"
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
set(deb "${WORK}/larkspan_${VERSION}_amd64.deb")
if(NOT status EQUAL 0 OR NOT EXISTS "${deb}")
    message(FATAL_ERROR "cpack: ${status}\n${said}")
endif()

execute_process(COMMAND dpkg-deb --field "${deb}" Depends
    OUTPUT_VARIABLE depends COMMAND_ERROR_IS_FATAL ANY)
if(NOT depends MATCHES "libqt6widgets6")
    message(FATAL_ERROR "Depends is not computed from the binaries: ${depends}")
endif()

execute_process(COMMAND lintian --fail-on error,warning "${deb}"
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
message("${said}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian: ${status}")
endif()
