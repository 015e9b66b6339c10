# Checks that the model library stands on nothing above it:
#   cmake -DSOURCE_DIR=<top> -DSOURCE_LIST=<file> -DQT_MODULE_DIRS=<dir;dir...>
#         [-DBINARY_DIR=<build>] [-DEXTRA_SOURCES=<file;file...>] -P checklayering.cmake
# SOURCE_LIST names the model's sources, one absolute path a line. Each of
# them may include, in quotes, only another model file (or a header the build
# generates for the model), and in angle brackets only a header of the Qt
# modules in QT_MODULE_DIRS or a header that is not Qt's (the C++ and C
# libraries). Anything else is listed and the check fails. EXTRA_SOURCES are
# checked as if they were model files, which lets a test plant a bad include.
cmake_minimum_required(VERSION 3.25)

foreach(var SOURCE_DIR SOURCE_LIST QT_MODULE_DIRS)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "checklayering: ${var} is not set")
    endif()
endforeach()

file(STRINGS "${SOURCE_LIST}" model_files)
list(FILTER model_files EXCLUDE REGEX "^$")
# What the build generates (moc's output) is not the model's own code.
if(DEFINED BINARY_DIR)
    list(FILTER model_files EXCLUDE REGEX "^${BINARY_DIR}/")
endif()
# Headers the build generates beside the model's own.
set(generated_headers app/version.h)

set(model_relative)
foreach(file IN LISTS model_files)
    file(RELATIVE_PATH relative "${SOURCE_DIR}" "${file}")
    list(APPEND model_relative "${relative}")
endforeach()

set(checked ${model_files} ${EXTRA_SOURCES})
set(violations)
foreach(file IN LISTS checked)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
    foreach(line IN LISTS includes)
        if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
            set(header "${CMAKE_MATCH_1}")
            get_filename_component(folder "${file}" DIRECTORY)
            file(RELATIVE_PATH beside "${SOURCE_DIR}" "${folder}/${header}")
            if(NOT header IN_LIST model_relative AND NOT beside IN_LIST model_relative
                    AND NOT header IN_LIST generated_headers)
                list(APPEND violations "${shown}: \"${header}\" is not a model file")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
            set(header "${CMAKE_MATCH_1}")
            # Qt's headers all begin with Q; the C++ and system headers never do.
            if(NOT header MATCHES "^Q")
                continue()
            endif()
            # <QtXml/QDomDocument> names its module, <QString> does not.
            set(module "")
            set(name "${header}")
            if(header MATCHES "^(Qt[A-Za-z0-9]*)/(.+)$")
                set(module "${CMAKE_MATCH_1}")
                set(name "${CMAKE_MATCH_2}")
            endif()
            set(found FALSE)
            foreach(dir IN LISTS QT_MODULE_DIRS)
                get_filename_component(dir_name "${dir}" NAME)
                if((module STREQUAL "" OR module STREQUAL dir_name) AND EXISTS "${dir}/${name}")
                    set(found TRUE)
                    break()
                endif()
            endforeach()
            if(NOT found)
                list(APPEND violations "${shown}: <${header}> is not in the model's Qt modules")
            endif()
        endif()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "The model library includes what lies above it:\n  ${text}")
endif()
list(LENGTH checked count)
message(STATUS "${count} model files include only model files and Qt Core, Xml and Core5Compat")
