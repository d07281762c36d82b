# corvad_qt5_add_plugin(<name> SOURCES <file>... [NO_INSTALL])
#
# Builds a plugin library "<name>.so" for corvad-common-qt5 applications and installs it into
# the directory the library scans. The sources declare the plugin with CORVADQT5_PLUGIN.
function(corvad_qt5_add_plugin name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "NO_INSTALL" "" "SOURCES")
    add_library(${name} MODULE ${arg_SOURCES})
    set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".so"
        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
    target_link_libraries(${name} PRIVATE CorvadCommonQt5::CorvadCommonQt5)
    if(NOT arg_NO_INSTALL)
        install(TARGETS ${name} LIBRARY DESTINATION "${CORVADQT5_PLUGIN_DIR}")
    endif()
endfunction()
