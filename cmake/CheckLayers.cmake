# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the includes of every layer folder against the layer order:
#
#   cmake -DSETTINGS=<build>/layers/settings.cmake [-DSTAMP=<file>] -P cmake/CheckLayers.cmake
#
# SETTINGS (written by stemmo_check_layers() in StemmoLayers.cmake) gives
#   STEMMO_SOURCE_DIR     the source tree
#   STEMMO_LAYERS         the folders, lowest first
#   STEMMO_WIDGET_FILES   files (relative to the tree) that may include widget headers
#   STEMMO_WIDGET_HEADERS the class headers of the widget modules (QWidget, QPrinter, ...)
#
# A file of a folder may include `"folder/..."` of its own layer or of a lower
# one. A file that belongs to no widget target (the window models, and every
# folder without one) includes no widget header. The files are globbed here,
# not at configure time, so a file added since is checked too. Every breach is
# named with file, line and both layers; then the script fails.
cmake_minimum_required(VERSION 3.25)

if(NOT SETTINGS)
    message(FATAL_ERROR "CheckLayers.cmake: -DSETTINGS=<file> is missing")
endif()
include(${SETTINGS})

set(rank 0)
foreach(layer IN LISTS STEMMO_LAYERS)
    set(rank_${layer} ${rank})
    math(EXPR rank "${rank} + 1")
endforeach()
list(JOIN STEMMO_LAYERS " -> " order_text)
string(REPLACE ";" "|" layer_alternatives "${STEMMO_LAYERS}")
string(REPLACE ";" "|" widget_alternatives "${STEMMO_WIDGET_HEADERS}")

# The include lines of interest: a layer folder in quotes (also reached as
# ../folder), or a Qt header in angle brackets.
set(layer_include "^[ \t]*#[ \t]*include[ \t]*\"(\\.\\./)*(${layer_alternatives})/")
set(qt_include "^[ \t]*#[ \t]*include[ \t]*<(Qt(Widgets|PrintSupport)[>/]|(${widget_alternatives})>)")

set(breaches 0)
set(files_checked 0)
foreach(layer IN LISTS STEMMO_LAYERS)
    file(GLOB_RECURSE files RELATIVE ${STEMMO_SOURCE_DIR}
        ${STEMMO_SOURCE_DIR}/${layer}/*.h ${STEMMO_SOURCE_DIR}/${layer}/*.cpp)
    list(SORT files)
    foreach(file IN LISTS files)
        math(EXPR files_checked "${files_checked} + 1")
        list(FIND STEMMO_WIDGET_FILES ${file} widget_file)
        # Most files break no rule: look at their include lines first, and
        # count lines only for a file that does.
        file(STRINGS ${STEMMO_SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include")
        set(suspect FALSE)
        foreach(line IN LISTS includes)
            if(line MATCHES "${layer_include}")
                if(rank_${CMAKE_MATCH_2} GREATER rank_${layer})
                    set(suspect TRUE)
                endif()
            elseif(widget_file EQUAL -1 AND line MATCHES "${qt_include}")
                set(suspect TRUE)
            endif()
        endforeach()
        if(NOT suspect)
            continue()
        endif()

        # Line by line, with the characters that would split or join CMake
        # list items made harmless first.
        file(READ ${STEMMO_SOURCE_DIR}/${file} content)
        string(REPLACE "\\" "/" content "${content}")
        string(REPLACE "[" "(" content "${content}")
        string(REPLACE "]" ")" content "${content}")
        string(REPLACE ";" "," content "${content}")
        string(REPLACE "\n" ";" lines "${content}")
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            string(STRIP "${line}" shown)
            if(line MATCHES "${layer_include}")
                set(target ${CMAKE_MATCH_2})
                if(rank_${target} GREATER rank_${layer})
                    message(NOTICE "${file}:${number}: ${layer} (layer ${rank_${layer}}) includes ${target} "
                        "(layer ${rank_${target}}), a higher layer: ${shown}")
                    math(EXPR breaches "${breaches} + 1")
                endif()
            elseif(widget_file EQUAL -1 AND line MATCHES "${qt_include}")
                message(NOTICE "${file}:${number}: ${layer} includes a widget header outside a widget "
                    "target (only *_ui libraries and programs may): ${shown}")
                math(EXPR breaches "${breaches} + 1")
            endif()
        endforeach()
    endforeach()
endforeach()

if(files_checked EQUAL 0)
    message(FATAL_ERROR "Layer check: no sources found below ${STEMMO_SOURCE_DIR}")
endif()
if(breaches GREATER 0)
    message(FATAL_ERROR "Layer check: ${breaches} include(s) against the layer order "
        "(lowest first: ${order_text}; STEMMO_LAYERS in CMakeLists.txt)")
endif()
if(STAMP)
    file(TOUCH ${STAMP})
endif()
