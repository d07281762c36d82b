# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DQT_MAJOR_VERSION=5|6 -P run.cmake
# Installs the build into a staging root, builds the consumer against it with CMake and with
# pkg-config, and runs both.
file(REMOVE_RECURSE ${WORK_DIR})
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}")
    endif()
endfunction()

set(stage ${WORK_DIR}/stage)
set(ENV{DESTDIR} ${stage})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
unset(ENV{DESTDIR})

run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -DCMAKE_PREFIX_PATH=${stage}/usr
    -DQT_MAJOR_VERSION=${QT_MAJOR_VERSION})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)

file(GLOB libdir LIST_DIRECTORIES true ${stage}/usr/lib/*-linux-gnu)
if(NOT libdir)
    set(libdir ${stage}/usr/lib)
endif()
set(ENV{LD_LIBRARY_PATH} ${libdir})
set(ENV{QT_QPA_PLATFORM} offscreen)
set(module corvad-common-qt${QT_MAJOR_VERSION})
run(${WORK_DIR}/build/consumer)

set(ENV{PKG_CONFIG_PATH} ${libdir}/pkgconfig)
execute_process(COMMAND pkg-config --cflags --libs ${module}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know ${module}")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
# As the README writes it: -fPIC, which Qt's headers demand of every consumer (Qt is built
# with reduced relocations), and the module's flags.
run(c++ -std=c++17 -fPIC ${SOURCE_DIR}/main.cpp ${flags} -o ${WORK_DIR}/consumer-pkgconfig)
run(${WORK_DIR}/consumer-pkgconfig)

# The plugin kit: the example plugin builds against the package, installs into the plugin
# directory, and the installed diagnostic tool calls it valid.
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/../../examples/plugin -B ${WORK_DIR}/plugin
    -DCMAKE_PREFIX_PATH=${stage}/usr -DQT_MAJOR_VERSION=${QT_MAJOR_VERSION})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/plugin)
set(ENV{DESTDIR} ${stage})
run(${CMAKE_COMMAND} --install ${WORK_DIR}/plugin)
unset(ENV{DESTDIR})
run(${stage}/usr/bin/corvad-qt${QT_MAJOR_VERSION}-plugininfo ${stage}/usr/lib/corvad-qt${QT_MAJOR_VERSION})

# The Python bindings, where the build has them: imported from the staged site folder.
file(GLOB_RECURSE bindings ${stage}/usr/lib/*/PyQt${QT_MAJOR_VERSION}/CorvadCommon*.so)
if(bindings)
    get_filename_component(site ${bindings} DIRECTORY)
    get_filename_component(site ${site} DIRECTORY)
    if(NOT EXISTS ${site}/PyQt${QT_MAJOR_VERSION}/CorvadCommon.pyi)
        message(FATAL_ERROR "the stubs are not installed beside ${bindings}")
    endif()
    set(ENV{PYTHONPATH} ${site})
    run(${PYTHON} -c "from PyQt${QT_MAJOR_VERSION}.CorvadCommon import Common, PasswordDialog; \
assert Common.nameByUid(0) == ('root', True); print(PasswordDialog.__module__)")
endif()
