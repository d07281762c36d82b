# cmake -DMODE=baseline|break -DLIBRARY=... -DNAME=... -DSOURCE_DIR=... -DBUILD_DIR=...
#       -DWORK=... -DCXX=... -DCXX_FLAGS=... -DBUILD_TYPE=... -DQT_MAJOR=... -DPREFIX_PATH=...
#       -P abi-check.cmake
# The library's ABI against 1.0.0's, both built by this very toolchain: the 1.0.0 sources come
# from git (the commit in abi/1.0.0.commit) and are built into WORK, then abidiff compares the
# two libraries. A stored dump would hold one compiler's and one libabigail's view of the ABI,
# which the next release of either reads differently (libabigail 3.0 even loses the link
# between a function and its symbol on reading its own dumps back).
#   baseline  the built library against 1.0.0: any difference but added functions fails.
#   break     the check's own proof: 1.0.0 with a data member added to a class, a virtual
#             function added and a signature changed must fail it, each named.
file(STRINGS ${SOURCE_DIR}/abi/1.0.0.commit commit LIMIT_COUNT 1)
execute_process(COMMAND git -C ${SOURCE_DIR} cat-file -e ${commit}^{commit}
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0)
    message(STATUS "SKIPPED: the 1.0.0 sources (commit ${commit}) are not in this tree's git "
        "history; the check needs a full git checkout")
    return()
endif()
# Built as the library it is compared with.
set(configure -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_FLAGS=${CXX_FLAGS}
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DQT_MAJOR_VERSION=${QT_MAJOR} -DCMAKE_PREFIX_PATH=${PREFIX_PATH})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "${command} failed:\n${output}")
    endif()
endfunction()

# release(<dir> <edits...>): the 1.0.0 library built in <dir>, its sources changed first by
# each edit "file|text|replacement" (with ~ for a semicolon, which CMake's lists split on); sets the variable <dir>_library to its path.
function(release dir)
    set(tree ${WORK}/${dir}/source)
    if(NOT EXISTS ${WORK}/${dir}/unpacked)
        file(REMOVE_RECURSE ${WORK}/${dir})
        file(MAKE_DIRECTORY ${tree})
        execute_process(COMMAND git -C ${SOURCE_DIR} archive ${commit}
            COMMAND tar -x -C ${tree} RESULT_VARIABLE result)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "could not unpack ${commit}")
        endif()
        foreach(edit IN LISTS ARGN)
            string(REPLACE "|" ";" edit "${edit}")
            list(GET edit 0 path)
            list(GET edit 1 text)
            list(GET edit 2 replacement)
            string(REPLACE "~" ";" text "${text}")
            string(REPLACE "~" ";" replacement "${replacement}")
            file(READ ${tree}/${path} content)
            string(FIND "${content}" "${text}" at)
            if(at EQUAL -1)
                message(FATAL_ERROR "${path} of 1.0.0 has no '${text}'")
            endif()
            string(REPLACE "${text}" "${replacement}" content "${content}")
            file(WRITE ${tree}/${path} "${content}")
        endforeach()
        file(TOUCH ${WORK}/${dir}/unpacked)
    endif()
    run(${CMAKE_COMMAND} -S ${tree} -B ${WORK}/${dir}/build ${configure}
        -DCORVADQT5_BUILD_TESTS=OFF -DCORVADQT5_BUILD_EXAMPLES=OFF -DCORVADQT5_BUILD_BENCH=OFF
        -DCORVADQT5_BUILD_DOCS=OFF -DCMAKE_INSTALL_PREFIX=${WORK}/${dir}/install)
    cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
    # Targets are named for Qt 5 whatever the major; the file carries it.
    run(${CMAKE_COMMAND} --build ${WORK}/${dir}/build --target corvad-common-qt5 --parallel ${cores})
    set(${dir}_library ${WORK}/${dir}/build/src/lib${NAME}.so PARENT_SCOPE)
endfunction()

# compare(<dir>): abidiff of the 1.0.0 library against the one in WORK/<dir>, or the built one
# without <dir>; sets result and report. Added functions are how 1.x grows (docs/abi.md); the
# symbols files list them.
function(compare)
    set(new ${LIBRARY} ${SOURCE_DIR} ${BUILD_DIR})
    if(ARGC GREATER 0)
        set(new ${${ARGV0}_library} ${WORK}/${ARGV0}/source ${WORK}/${ARGV0}/build)
    endif()
    list(GET new 0 library)
    list(GET new 1 source)
    list(GET new 2 build)
    set(old ${WORK}/release-1.0.0)
    execute_process(COMMAND abidiff --no-added-syms --drop-private-types
            --hd1 ${old}/source/include/corvad-common-qt5 --hd1 ${old}/build/include/corvad-common-qt5
            --hd2 ${source}/include/corvad-common-qt5 --hd2 ${build}/include/corvad-common-qt5
            ${release-1.0.0_library} ${library}
        RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
    set(result ${result} PARENT_SCOPE)
    set(report "${report}" PARENT_SCOPE)
endfunction()

release(release-1.0.0)

if(MODE STREQUAL baseline)
    compare()
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the ABI differs from 1.0.0's (abidiff ${result}); only added "
            "functions keep 1.x compatible (docs/abi.md):\n${report}")
    endif()
    message(STATUS "the ABI is 1.0.0's")
    return()
endif()

release(broken
    "include/corvad-common-qt5/popupwidget.h|    Mode m_mode = CloseOnLeave~|    Mode m_mode = CloseOnLeave~\n    QString m_extra~"
    "include/corvad-common-qt5/iconprovider.h|    virtual QIcon iconById(int id) = 0~|    virtual QIcon iconById(int id) = 0~\n    virtual QIcon iconByName(const QString &) { return {}~ }"
    "include/corvad-common-qt5/common.h|    QString shortedString(const QString &text, int n)~|    QString shortedString(const QString &text, long n)~"
    "src/core/common.cpp|QString Common::shortedString(const QString &text, int n)|QString Common::shortedString(const QString &text, long n)")
compare(broken)
math(EXPR error "${result} & 3")
if(result EQUAL 0 OR error)
    message(FATAL_ERROR "abidiff took 1.0.0 with three breaks (${result}):\n${report}")
endif()
foreach(expected "'QString m_extra'" "iconByName" "shortedString")
    string(FIND "${report}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "abidiff's report does not name ${expected}:\n${report}")
    endif()
endforeach()
message(STATUS "a member, a virtual and a signature added to 1.0.0 are each refused")
