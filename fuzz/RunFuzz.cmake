# Builds the fuzz targets with clang, or runs one of them for a bounded time on its corpus in the repository.
# Build: -DSOURCE=<fuzz folder> -DBINARY=<build folder> -DCXX=<clang++> -DQT6_DIR=<Qt6 config folder>
# Run:   -DSOURCE=<fuzz folder> -DBINARY=<build folder> -DFUZZ_TARGET=<name> -DCORPUS=<corpus name>
#        [-DSECONDS=8] [-DMAX_LEN=20000]
if(NOT FUZZ_TARGET)
    set(launcher "")
    find_program(CCACHE ccache)
    if(CCACHE)
        set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE})
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -G Ninja -DCMAKE_BUILD_TYPE=Debug
                            -DCMAKE_CXX_COMPILER=${CXX} -DQt6_DIR=${QT6_DIR} ${launcher}
                    RESULT_VARIABLE result)
    if(result)
        message(FATAL_ERROR "configuring the fuzz targets failed")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY} RESULT_VARIABLE result)
    if(result)
        message(FATAL_ERROR "building the fuzz targets failed")
    endif()
    return()
endif()

if(NOT SECONDS)
    set(SECONDS 8)
endif()
if(NOT MAX_LEN)
    set(MAX_LEN 20000)
endif()
# New inputs go to a scratch folder of the target's own; the repository's corpus is only read.
set(scratch ${BINARY}/scratch/${FUZZ_TARGET})
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch})
execute_process(COMMAND ${BINARY}/${FUZZ_TARGET} -max_total_time=${SECONDS} -max_len=${MAX_LEN} -timeout=10
                        -rss_limit_mb=2048 -print_final_stats=1 ${scratch} ${SOURCE}/corpus/${CORPUS}
                WORKING_DIRECTORY ${BINARY}
                RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "${FUZZ_TARGET} found a fault (exit ${result})")
endif()
