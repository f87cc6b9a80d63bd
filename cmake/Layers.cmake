# Keeps the libraries' links one way at the level of includes too: every source of a checked
# target may include only headers of its own target and of the checked targets it links,
# directly or through them. A back-edge, or a header that no target lists, fails the build
# before the target compiles.

set(QUADRELLE_LAYER_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake)

# The target's .h and .cpp files under `root`, as absolute paths.
function(_quadrelle_layer_files target root out)
    get_target_property(sources ${target} SOURCES)
    get_target_property(dir ${target} SOURCE_DIR)
    set(files "")
    foreach(source IN LISTS sources)
        if(NOT IS_ABSOLUTE "${source}")
            set(source "${dir}/${source}")
        endif()
        cmake_path(NORMAL_PATH source)
        cmake_path(IS_PREFIX root "${source}" NORMALIZE inside)
        if(inside AND source MATCHES "\\.(h|cpp)$")
            list(APPEND files "${source}")
        endif()
    endforeach()
    set(${out} "${files}" PARENT_SCOPE)
endfunction()

# The checked targets that `target` links, directly or through others.
function(_quadrelle_layer_beneath target checked out)
    get_target_property(links ${target} LINK_LIBRARIES)
    set(found "")
    foreach(link IN LISTS links)
        if(link IN_LIST checked)
            _quadrelle_layer_beneath(${link} "${checked}" deeper)
            list(APPEND found ${link} ${deeper})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES found)
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

# quadrelle_check_layers(<source root> <target>...): targets that do not exist are skipped.
function(quadrelle_check_layers root)
    set(checked "")
    foreach(target IN LISTS ARGN)
        if(TARGET ${target})
            list(APPEND checked ${target})
        endif()
    endforeach()

    set(owners "")
    foreach(target IN LISTS checked)
        _quadrelle_layer_files(${target} "${root}" files_${target})
        foreach(file IN LISTS files_${target})
            string(APPEND owners "set(\"owner_${file}\" ${target})\n")
        endforeach()
    endforeach()

    set(dir ${CMAKE_BINARY_DIR}/layers)
    foreach(target IN LISTS checked)
        _quadrelle_layer_beneath(${target} "${checked}" beneath)
        set(visible ${files_${target}})
        foreach(lower IN LISTS beneath)
            list(APPEND visible ${files_${lower}})
        endforeach()
        file(CONFIGURE OUTPUT ${dir}/${target}.cmake CONTENT
"set(LAYER \"${target}\")
set(SOURCE_ROOT \"${root}\")
set(OWN_SOURCES \"${files_${target}}\")
set(VISIBLE \"${visible}\")
${owners}")
        add_custom_command(OUTPUT ${dir}/${target}.checked
            COMMAND ${CMAKE_COMMAND} -DLAYER_LIST=${dir}/${target}.cmake -DSTAMP=${dir}/${target}.checked
                    -P ${QUADRELLE_LAYER_SCRIPT}
            DEPENDS ${files_${target}} ${dir}/${target}.cmake ${QUADRELLE_LAYER_SCRIPT}
            COMMENT "Checking the includes of ${target} against the libraries it links"
            VERBATIM)
        add_custom_target(${target}_layer_check DEPENDS ${dir}/${target}.checked)
        add_dependencies(${target} ${target}_layer_check)
    endforeach()
endfunction()
