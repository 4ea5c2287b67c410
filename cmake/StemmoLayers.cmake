# SPDX-License-Identifier: GPL-3.0-or-later
# stemmo_check_layers(<folder>...)
#
# Holds the build to the layer order given (lowest first, as the top
# CMakeLists.txt lists the folders):
#   - at configure time, no target of a folder links a library of a higher one;
#   - at every build (target layer_check, part of `all`) and as the test
#     `layers`, no source of a folder includes a header of a higher one, and no
#     file outside a widget target includes a widget header
#     (cmake/CheckLayers.cmake).
# A file may include widget headers when it belongs to a target of its folder
# that links the widget modules, directly or through other libraries: the
# *_ui libraries, the programs' wiring and the window programs. A file of no
# such target (the window models, and every folder below the windows) may not.
#
# The test `sql_in_store` holds every C++ source outside store/ free of SQL
# (scripts/check-sql-in-store.sh).

# Sets <out> to TRUE when <target> reaches Qt6::Widgets or Qt6::PrintSupport
# through its link libraries.
function(_stemmo_links_widgets target out)
    set(queue ${target})
    set(seen "")
    while(queue)
        list(POP_FRONT queue item)
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
        if(item IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${item})
        if(item MATCHES "^Qt6::(Widgets|PrintSupport)$")
            set(${out} TRUE PARENT_SCOPE)
            return()
        endif()
        if(TARGET ${item})
            get_target_property(imported ${item} IMPORTED)
            if(NOT imported)
                get_target_property(links ${item} LINK_LIBRARIES)
                if(links)
                    list(APPEND queue ${links})
                endif()
            endif()
        endif()
    endwhile()
    set(${out} FALSE PARENT_SCOPE)
endfunction()

function(stemmo_check_layers)
    set(layers ${ARGN})
    set(rank 0)
    foreach(layer IN LISTS layers)
        set(rank_${layer} ${rank})
        math(EXPR rank "${rank} + 1")
    endforeach()

    # Which folder each target comes from.
    foreach(layer IN LISTS layers)
        get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/${layer} PROPERTY BUILDSYSTEM_TARGETS)
        set(targets_${layer} ${targets})
        foreach(target IN LISTS targets)
            set(layer_of_${target} ${layer})
        endforeach()
    endforeach()

    set(wrong_links "")
    set(widget_files "")
    foreach(layer IN LISTS layers)
        foreach(target IN LISTS targets_${layer})
            get_target_property(links ${target} LINK_LIBRARIES)
            foreach(link IN LISTS links)
                if(DEFINED layer_of_${link} AND rank_${layer_of_${link}} GREATER rank_${layer})
                    string(APPEND wrong_links
                        "  ${target} (${layer}, layer ${rank_${layer}}) links ${link} "
                        "(${layer_of_${link}}, layer ${rank_${layer_of_${link}}})\n")
                endif()
            endforeach()
            _stemmo_links_widgets(${target} widgets)
            if(widgets)
                get_target_property(sources ${target} SOURCES)
                list(FILTER sources EXCLUDE REGEX "^\\$<")
                foreach(source IN LISTS sources)
                    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${PROJECT_SOURCE_DIR}/${layer})
                    cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${PROJECT_SOURCE_DIR})
                    if(source MATCHES "^${layer}/")
                        list(APPEND widget_files ${source})
                    endif()
                endforeach()
            endif()
        endforeach()
    endforeach()
    if(wrong_links)
        list(JOIN layers " -> " order_text)
        message(FATAL_ERROR "A lower layer links a higher one (lowest first: ${order_text}; "
            "STEMMO_LAYERS in CMakeLists.txt):\n${wrong_links}")
    endif()

    # The class headers of the widget modules, read from their include folders.
    set(widget_headers "")
    foreach(module Widgets PrintSupport)
        get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
        foreach(dir IN LISTS dirs)
            if(dir MATCHES "/Qt${module}$" AND IS_DIRECTORY ${dir})
                file(GLOB headers RELATIVE ${dir} ${dir}/Q*)
                list(FILTER headers EXCLUDE REGEX "\\.|^Qt")
                list(APPEND widget_headers ${headers})
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES widget_headers)
    if(NOT widget_headers)
        message(FATAL_ERROR "Layer check: the headers of Qt6::Widgets were not found")
    endif()

    set(settings ${CMAKE_BINARY_DIR}/layers/settings.cmake)
    file(CONFIGURE OUTPUT ${settings} CONTENT [[
set(STEMMO_SOURCE_DIR "@PROJECT_SOURCE_DIR@")
set(STEMMO_LAYERS "@layers@")
set(STEMMO_WIDGET_FILES "@widget_files@")
set(STEMMO_WIDGET_HEADERS "@widget_headers@")
]] @ONLY)

    set(script ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)
    set(globs "")
    foreach(layer IN LISTS layers)
        list(APPEND globs ${PROJECT_SOURCE_DIR}/${layer}/*.h ${PROJECT_SOURCE_DIR}/${layer}/*.cpp)
    endforeach()
    file(GLOB_RECURSE layer_sources CONFIGURE_DEPENDS ${globs})
    set(stamp ${CMAKE_BINARY_DIR}/layers/checked)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DSETTINGS=${settings} -DSTAMP=${stamp} -P ${script}
        DEPENDS ${script} ${settings} ${layer_sources}
        COMMENT "Checking the includes against the layer order"
        VERBATIM)
    add_custom_target(layer_check ALL DEPENDS ${stamp})

    if(BUILD_TESTING)
        add_test(NAME layers COMMAND ${CMAKE_COMMAND} -DSETTINGS=${settings} -P ${script})
        add_test(NAME sql_in_store COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-sql-in-store.sh ${PROJECT_SOURCE_DIR})
    endif()
endfunction()
