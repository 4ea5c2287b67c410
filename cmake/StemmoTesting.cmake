# SPDX-License-Identifier: GPL-3.0-or-later
# stemmo_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI] [SERVER])
#
# Every test runs offscreen with a fixed German locale, its own settings
# file and its own data folder, so no test can see the user's data or
# another test's leftovers.
#
# SERVER: the test touches the lists' database and runs a second time as
# <name>_server against a throwaway PostgreSQL cluster that CTest starts
# before the first such test and stops after the last (scripts/pg-cluster.sh).
# The test finds the server through STEMMO_TEST_DATABASE.
set(STEMMO_TEST_QPA "offscreen" CACHE STRING "QPA platform for tests")

# The server runs need PostgreSQL's initdb; AUTO runs them when it is installed.
set(STEMMO_TEST_SERVER "AUTO" CACHE STRING "Run the database tests a second time on a PostgreSQL server (ON, OFF, AUTO)")
set_property(CACHE STEMMO_TEST_SERVER PROPERTY STRINGS AUTO ON OFF)
set(STEMMO_SERVER_TESTS OFF)
if(NOT STEMMO_TEST_SERVER STREQUAL "OFF")
    execute_process(COMMAND pg_config --bindir OUTPUT_VARIABLE pg_bindir OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET RESULT_VARIABLE pg_config_failed)
    file(GLOB pg_bindirs LIST_DIRECTORIES true /usr/lib/postgresql/*/bin)
    find_program(STEMMO_INITDB initdb HINTS ${pg_bindir} ${pg_bindirs} NO_CACHE)
    if(STEMMO_INITDB)
        set(STEMMO_SERVER_TESTS ON)
    elseif(STEMMO_TEST_SERVER STREQUAL "ON")
        message(FATAL_ERROR "STEMMO_TEST_SERVER=ON, but PostgreSQL's initdb is not installed (scripts/install-deps.sh)")
    else()
        message(STATUS "PostgreSQL server not installed: the database tests run on files only")
    endif()
endif()
# A short folder for the cluster: its socket path may not exceed 107 bytes.
string(MD5 build_hash "${CMAKE_BINARY_DIR}")
string(SUBSTRING "${build_hash}" 0 12 build_hash)
set(STEMMO_TEST_CLUSTER "/tmp/stemmo-pg-${build_hash}")
set(STEMMO_TEST_DATABASE_CONNINFO "host=${STEMMO_TEST_CLUSTER} user=stemmo dbname=stemmo")

# Registers the cluster's start and stop once, for the first server test.
function(stemmo_add_test_cluster)
    get_property(added GLOBAL PROPERTY STEMMO_TEST_CLUSTER_ADDED)
    if(added)
        return()
    endif()
    set_property(GLOBAL PROPERTY STEMMO_TEST_CLUSTER_ADDED ON)
    add_test(NAME pg_cluster_start COMMAND ${PROJECT_SOURCE_DIR}/scripts/pg-cluster.sh start ${STEMMO_TEST_CLUSTER})
    add_test(NAME pg_cluster_stop COMMAND ${PROJECT_SOURCE_DIR}/scripts/pg-cluster.sh stop ${STEMMO_TEST_CLUSTER})
    set_tests_properties(pg_cluster_start PROPERTIES FIXTURES_SETUP pg_cluster TIMEOUT 120 LABELS server)
    set_tests_properties(pg_cluster_stop PROPERTIES FIXTURES_CLEANUP pg_cluster TIMEOUT 120 LABELS server)
endfunction()

# `database`: the test server's connection string, empty for files. Either
# way a server named in the caller's own environment does not leak in.
function(stemmo_test_environment out work database)
    set(${out} "QT_QPA_PLATFORM=${STEMMO_TEST_QPA};LANG=de_DE.UTF-8;LC_ALL=;LC_NUMERIC=;XDG_CONFIG_HOME=${work}/config;XDG_DATA_HOME=${work}/data;XDG_RUNTIME_DIR=${work}/runtime;STEMMO_DATA=${work}/stemmo-data;STEMMO_DATABASE=;STEMMO_TEST_DATABASE=${database};STEMMO_SOURCE_DIR=${PROJECT_SOURCE_DIR};STEMMO_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data" PARENT_SCOPE)
    file(MAKE_DIRECTORY ${work}/runtime)
    file(CHMOD ${work}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()

# Runs the test `name` (already added) once more on the server as <name>_server.
function(stemmo_add_server_run name)
    if(NOT STEMMO_SERVER_TESTS)
        return()
    endif()
    stemmo_add_test_cluster()
    stemmo_test_environment(env ${CMAKE_CURRENT_BINARY_DIR}/${name}_server.work "${STEMMO_TEST_DATABASE_CONNINFO}")
    add_test(NAME ${name}_server COMMAND ${name})
    set_tests_properties(${name}_server PROPERTIES
        TIMEOUT 300
        FIXTURES_REQUIRED pg_cluster
        LABELS server
        ENVIRONMENT "${env}")
endfunction()

function(stemmo_add_test name)
    cmake_parse_arguments(T "GUI;SERVER" "" "SOURCES;LIBS" ${ARGN})
    qt_add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} stemmo_testsupport Qt6::Test)
    stemmo_test_environment(env ${CMAKE_CURRENT_BINARY_DIR}/${name}.work "")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 ENVIRONMENT "${env}")
    if(T_SERVER)
        stemmo_add_server_run(${name})
    endif()
endfunction()
