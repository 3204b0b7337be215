# cmake -DBUILD_DIR=... -DCONSUMER_DIR=... -DWORK_DIR=... -DCXX=...
#   -DCXX_FLAGS=... -P this
# The consumer is built with the build's own compiler and flags: a libc++
# library needs a libc++ client.
# Each step gets a minute: a consumer that hangs fails instead of waiting
# out the test's own timeout.
function(run)
  execute_process(COMMAND ${ARGN} TIMEOUT 60 RESULT_VARIABLE rc
    OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

set(expected "address=192.0.2.10 port=900 sni=desk pool malformed=0")
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# The CMake package.
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer -G Ninja
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX}
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
run(${WORK_DIR}/consumer/consumer)
if(NOT out MATCHES "${expected}")
  message(FATAL_ERROR "consumer printed: ${out}")
endif()

# The pkg-config file, relocated with the prefix.
file(GLOB_RECURSE pc_file ${prefix}/*/client_common.pc)
get_filename_component(pc_dir "${pc_file}" DIRECTORY)
run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_dir}
    pkg-config --cflags --libs client_common)
string(STRIP "${out} ${CXX_FLAGS}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_dir}
    pkg-config --variable=libdir client_common)
string(STRIP "${out}" lib_dir)
# A run path finds the library under either platform's loader.
run(${CXX} -std=c++17 ${CONSUMER_DIR}/main.cpp ${flags} -Wl,-rpath,${lib_dir}
    -o ${WORK_DIR}/consumer_pc)
run(${WORK_DIR}/consumer_pc)
if(NOT out MATCHES "${expected}")
  message(FATAL_ERROR "pkg-config consumer printed: ${out}")
endif()

# The installed tool finds its libraries through its run path.
run(${prefix}/bin/qarel-launch version)
