# cmake -DLAYER_LIST=<file> [-DSTAMP=<file>] -P check_layers.cmake
#
# LAYER_LIST sets LAYER, SOURCE_ROOT, OWN_SOURCES (the files to check), VISIBLE (the files
# they may include) and "owner_<file>" for every file of every checked target. Quoted
# includes are looked up beside the including file, then under SOURCE_ROOT; those found
# nowhere there (Qt, generated files) are not the project's and pass.

cmake_minimum_required(VERSION 3.25)
include(${LAYER_LIST})

set(failures "")
foreach(source IN LISTS OWN_SOURCES)
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    cmake_path(GET source PARENT_PATH here)
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" name "${line}")
        set(header "")
        foreach(base IN ITEMS "${here}" "${SOURCE_ROOT}")
            if(EXISTS "${base}/${name}" AND NOT IS_DIRECTORY "${base}/${name}")
                set(header "${base}/${name}")
                cmake_path(NORMAL_PATH header)
                break()
            endif()
        endforeach()
        if(header STREQUAL "" OR header IN_LIST VISIBLE)
            continue()
        endif()
        cmake_path(RELATIVE_PATH source BASE_DIRECTORY "${SOURCE_ROOT}" OUTPUT_VARIABLE from)
        cmake_path(RELATIVE_PATH header BASE_DIRECTORY "${SOURCE_ROOT}" OUTPUT_VARIABLE to)
        if(DEFINED "owner_${header}")
            string(APPEND failures "\n  ${from} includes ${to}, which belongs to ${owner_${header}}: "
                "${LAYER} does not link it")
        else()
            string(APPEND failures "\n  ${from} includes ${to}, which no library lists among its sources")
        endif()
    endforeach()
endforeach()

if(NOT failures STREQUAL "")
    message(FATAL_ERROR "Includes against the layers in ${LAYER}:${failures}")
endif()
if(DEFINED STAMP)
    file(TOUCH "${STAMP}")
endif()
