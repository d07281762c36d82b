# cmake -DLIBRARY=... -DBASELINE=... -DHEADERS=dir1,dir2 -DSOURCE_DIR=... -DBUILD_DIR=...
#       -DOUT=... [-DUPDATE=ON] -P abi-check.cmake
# The library's ABI against the baseline of its release (abidw, abidiff from libabigail). Any
# difference fails: an incompatible one always, an addition until the baseline is updated
# with it in the same commit (cmake --build <build> --target abi-baseline). With UPDATE,
# writes the baseline instead.
string(REPLACE "," ";" headers "${HEADERS}")
set(dump abidw --drop-private-types --no-corpus-path --no-show-locs --no-comp-dir-path)
foreach(dir IN LISTS headers)
    list(APPEND dump --headers-dir ${dir})
endforeach()
set(target ${OUT})
if(UPDATE)
    set(target ${BASELINE})
endif()
execute_process(COMMAND ${dump} --out-file ${target} ${LIBRARY} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "abidw could not read ${LIBRARY} (built without debug information?)")
endif()
# Source paths relative to the tree, so that the dump does not depend on where it was built.
file(READ ${target} xml)
string(REPLACE "path='${SOURCE_DIR}/" "path='" xml "${xml}")
string(REPLACE "path='${BUILD_DIR}/" "path='build/" xml "${xml}")
file(WRITE ${target} "${xml}")
if(UPDATE)
    message(STATUS "wrote ${BASELINE}")
    return()
endif()
execute_process(COMMAND abidiff ${BASELINE} ${OUT} RESULT_VARIABLE result
    OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(result EQUAL 0)
    return()
endif()
math(EXPR error "${result} & 3")
math(EXPR incompatible "${result} & 8")
if(error)
    message(FATAL_ERROR "abidiff failed (${result}):\n${report}")
elseif(incompatible)
    message(FATAL_ERROR "ABI-incompatible change against ${BASELINE}:\n${report}")
else()
    message(FATAL_ERROR "the ABI differs from ${BASELINE}. Only additions keep 1.x "
        "compatible (docs/abi.md): for those, update the baseline in the same commit "
        "(cmake --build <build> --target abi-baseline); a change of a size, a layout or a "
        "virtual table breaks the soname's promise.\n${report}")
endif()
