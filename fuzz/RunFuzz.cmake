# Builds the fuzz target with clang and runs it for a bounded time on the corpus kept in the repository.
# -DSOURCE=<fuzz folder> -DBINARY=<build folder> -DCXX=<clang++> -DQT6_DIR=<Qt6 config folder> [-DSECONDS=20]
if(NOT SECONDS)
    set(SECONDS 20)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -G Ninja -DCMAKE_BUILD_TYPE=Debug
                        -DCMAKE_CXX_COMPILER=${CXX} -DQt6_DIR=${QT6_DIR}
                RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "configuring the fuzz target failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY} RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "building the fuzz target failed")
endif()
# New inputs go to a scratch folder; the repository's corpus is only read.
file(REMOVE_RECURSE ${BINARY}/scratch)
file(MAKE_DIRECTORY ${BINARY}/scratch)
execute_process(COMMAND ${BINARY}/fuzz_archive -max_total_time=${SECONDS} -max_len=20000 -timeout=10
                        -print_final_stats=1 ${BINARY}/scratch ${SOURCE}/corpus
                WORKING_DIRECTORY ${BINARY}
                RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "the fuzz target found a fault (exit ${result})")
endif()
