# cmake -DLAYER_LIST=<file> [-DSTAMP=<file>] -P check_layers.cmake
#
# LAYER_LIST sets LAYER, SOURCE_ROOT, OWN_SOURCES (the files to check), VISIBLE (the folders,
# relative to SOURCE_ROOT, whose headers they may include: the layer's own and those of the
# libraries it links) and "library_<folder>" for the folder of every checked library. Quoted
# includes are looked up under SOURCE_ROOT, so that the path names the header's folder; one
# found only beside the including file fails, and one found nowhere (Qt, generated files) is
# not the project's and passes. A header in a nested folder is for its parent's library and the
# layers above it only.

cmake_minimum_required(VERSION 3.25)
include(${LAYER_LIST})

set(failures "")
foreach(source IN LISTS OWN_SOURCES)
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    cmake_path(GET source PARENT_PATH here)
    cmake_path(RELATIVE_PATH source BASE_DIRECTORY "${SOURCE_ROOT}" OUTPUT_VARIABLE from)
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" name "${line}")
        set(header "${SOURCE_ROOT}/${name}")
        cmake_path(NORMAL_PATH header)
        if(NOT EXISTS "${header}" OR IS_DIRECTORY "${header}")
            if(EXISTS "${here}/${name}" AND NOT IS_DIRECTORY "${here}/${name}")
                string(APPEND failures "\n  ${from} includes \"${name}\" without its folder")
            endif()
            continue()
        endif()
        cmake_path(RELATIVE_PATH header BASE_DIRECTORY "${SOURCE_ROOT}" OUTPUT_VARIABLE to)
        cmake_path(GET to PARENT_PATH folder)
        if(folder IN_LIST VISIBLE)
            # A nested folder serves its parent: only the parent's library and the layers
            # above it use it.
            cmake_path(GET folder PARENT_PATH parent)
            cmake_path(GET from PARENT_PATH from_folder)
            if(NOT parent STREQUAL "" AND DEFINED "library_${parent}" AND NOT parent IN_LIST VISIBLE
               AND NOT from_folder STREQUAL folder)
                string(APPEND failures "\n  ${from} includes ${to}, which lies inside ${parent}/: only "
                    "${library_${parent}} and the layers above it may use it")
            endif()
            continue()
        endif()
        if(DEFINED "library_${folder}")
            string(APPEND failures "\n  ${from} includes ${to}, which belongs to ${library_${folder}}: "
                "${LAYER} does not link it")
        else()
            string(APPEND failures "\n  ${from} includes ${to}, which lies in no library's folder")
        endif()
    endforeach()
endforeach()

if(NOT failures STREQUAL "")
    message(FATAL_ERROR "Includes against the layers in ${LAYER}:${failures}")
endif()
if(DEFINED STAMP)
    file(TOUCH "${STAMP}")
endif()
