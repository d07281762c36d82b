# cmake -DGALLERY=... -DOUT=... -P gallery-no-display.cmake
# Started by hand on a machine without a display, the gallery says so in one line of its
# own and fails, instead of Qt's advice to reinstall; with --screenshots it needs none.
set(no_display env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

execute_process(COMMAND ${no_display} ${GALLERY}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(result EQUAL 0 OR NOT result MATCHES "^[0-9]+$")
    message(FATAL_ERROR "without a display the gallery ended with '${result}', not a failure")
endif()
if(NOT err MATCHES "^corvad-qt5-gallery: no display [^\n]*--screenshots DIR\n$")
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
