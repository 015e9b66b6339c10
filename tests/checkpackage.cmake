# cmake -DCPACK=<cpack> -DCONFIG=<CPackConfig.cmake> -DWORK=<folder> -DVERSION=<version-revision>
#       -P checkpackage.cmake
# Makes the Debian package as `make package` does, into a folder of its own,
# checks its fields and layout, and has lintian check it with every tag shown
# (-I --pedantic): only the tags listed below, each for its reason, may
# remain. The binaries are those of the build, so lintian's hardening checks
# check the build's flags.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${CPACK}" -G DEB --config "${CONFIG}" -B "${WORK}"
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
set(deb "${WORK}/larkspan_${VERSION}_amd64.deb")
if(NOT status EQUAL 0 OR NOT EXISTS "${deb}")
    message(FATAL_ERROR "cpack: ${status}\n${said}")
endif()

function(field name out)
    execute_process(COMMAND dpkg-deb --field "${deb}" ${name}
        OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()
field(Version version)
field(Depends depends)
field(Recommends recommends)
if(NOT version STREQUAL VERSION)
    message(FATAL_ERROR "Version is ${version}, not ${VERSION}")
endif()
if(NOT depends MATCHES "libqt6widgets6")
    message(FATAL_ERROR "Depends is not computed from the binaries: ${depends}")
endif()
# Qt's catalogues only translate the standard dialogs: recommended, not needed.
if(depends MATCHES "qt6-translations-l10n" OR NOT recommends MATCHES "qt6-translations-l10n")
    message(FATAL_ERROR "Qt's translations must be recommended only:\nDepends: ${depends}\nRecommends: ${recommends}")
endif()

# The system-wide settings are a configuration file that upgrades keep.
execute_process(COMMAND dpkg-deb --info "${deb}" conffiles
    OUTPUT_VARIABLE conffiles COMMAND_ERROR_IS_FATAL ANY)
if(NOT conffiles STREQUAL "/etc/larkspan/Setup.xml\n")
    message(FATAL_ERROR "conffiles: ${conffiles}")
endif()

# What lies where: the program folder reaches the data and the settings
# through links.
execute_process(COMMAND dpkg-deb --contents "${deb}"
    OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
foreach(expected IN ITEMS
        "./etc/larkspan/Setup.xml"
        "./usr/lib/larkspan/Setup.xml -> /etc/larkspan/Setup.xml"
        "./usr/lib/larkspan/Scene.csv -> ../../share/larkspan/Scene.csv"
        "./usr/lib/larkspan/ScenePicture -> ../../share/larkspan/ScenePicture"
        "./usr/share/larkspan/ScenePicture/bank.png"
        "./usr/share/help/C/larkspan/Larkspan User Manual.pdf"
        "./usr/lib/larkspan/Larkspan User Manual.pdf -> ../../share/help/C/larkspan/Larkspan User Manual.pdf"
        "./usr/lib/larkspan/translations/qt_zh_CN.qm -> ../../../share/qt6/translations/qt_zh_CN.qm")
    string(FIND "${contents}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "The package lacks ${expected}:\n${contents}")
    endif()
endforeach()

# Tags that may remain, each with its reason.
set(accepted
)
execute_process(COMMAND lintian -I --pedantic "${deb}"
    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
message("${said}")
string(REGEX MATCHALL "(^|\n)[EWIPX]: larkspan[^:]*: [a-z0-9.+-]+" lines "${said}")
set(unexpected)
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^.*: " "" tag "${line}")
    if(NOT tag IN_LIST accepted)
        list(APPEND unexpected "${tag}")
    endif()
endforeach()
if(NOT status EQUAL 0 OR unexpected)
    message(FATAL_ERROR "lintian (${status}): ${unexpected}")
endif()
