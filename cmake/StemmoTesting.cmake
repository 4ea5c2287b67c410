# SPDX-License-Identifier: GPL-3.0-or-later
# stemmo_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
#
# Every test runs offscreen with a fixed German locale, its own settings
# file and its own data folder, so no test can see the user's data or
# another test's leftovers.
set(STEMMO_TEST_QPA "offscreen" CACHE STRING "QPA platform for tests")

function(stemmo_add_test name)
    cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
    qt_add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} stemmo_testsupport Qt6::Test)
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}.work)
    file(MAKE_DIRECTORY ${work}/runtime)
    file(CHMOD ${work}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=${STEMMO_TEST_QPA};LANG=de_DE.UTF-8;LC_ALL=;LC_NUMERIC=;XDG_CONFIG_HOME=${work}/config;XDG_DATA_HOME=${work}/data;XDG_RUNTIME_DIR=${work}/runtime;STEMMO_DATA=${work}/stemmo-data;STEMMO_SOURCE_DIR=${PROJECT_SOURCE_DIR};STEMMO_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
