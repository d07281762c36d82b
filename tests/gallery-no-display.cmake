# cmake -DGALLERY=... -DNAME=... -DOUT=... -DVERSION=... -P gallery-no-display.cmake
# Started by hand on a machine without a display, the gallery says so in one line of its
# own and fails, instead of Qt's advice to reinstall; with --screenshots, --help or
# --version it needs none.
set(no_display env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

execute_process(COMMAND ${no_display} ${GALLERY}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(result EQUAL 0 OR NOT result MATCHES "^[0-9]+$")
    message(FATAL_ERROR "without a display the gallery ended with '${result}', not a failure")
endif()
if(NOT err MATCHES "^${NAME}: no display [^\n]*--screenshots DIR\n$")
    message(FATAL_ERROR "not the one-line explanation:\n${err}")
endif()

file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${no_display} ${GALLERY} --screenshots ${OUT}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
file(GLOB pictures ${OUT}/*.png)
list(LENGTH pictures count)
if(NOT result EQUAL 0 OR count LESS 10)
    message(FATAL_ERROR "--screenshots without a display: status ${result}, ${count} pictures\n${err}")
endif()

foreach(option help version)
    execute_process(COMMAND ${no_display} ${GALLERY} --${option}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
    set(expected "--screenshots <DIR>")
    if(option STREQUAL "version")
        set(expected "${NAME} ${VERSION}")
    endif()
    string(FIND "${out}" "${expected}" at)
    if(NOT result EQUAL 0 OR at EQUAL -1)
        message(FATAL_ERROR "--${option} without a display: status ${result}\n${out}${err}")
    endif()
endforeach()
