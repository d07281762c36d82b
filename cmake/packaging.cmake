# Debian packages, one per component (scripts/package builds them):
#   libcorvad-common-qt5-1     the library and its catalogues
#   libcorvad-common-qt5-dev   headers, CMake package, pkg-config module, plugin kit
#   corvad-qt5-tools           the gallery and corvad-qt5-plugininfo
#   libzubintegration1         the help-menu stand-in, only where it is built
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvad-common-qt5)
set(CPACK_PACKAGE_VENDOR "The corvad-common-qt5 developers")
set(CPACK_PACKAGE_CONTACT "corvad-common-qt5 developers <corvad-common-qt5@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Common building blocks for Qt 5 Widgets applications")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libcorvad-common-qt5-1)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "Common building blocks for Qt 5 Widgets applications: the library")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libcorvad-common-qt5-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "qtbase5-dev")
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS runtime)
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "Common building blocks for Qt 5 Widgets applications: development files")
set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME corvad-qt5-tools)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION utils)
set(CPACK_COMPONENT_TOOLS_DEPENDS runtime)
set(CPACK_COMPONENT_TOOLS_DESCRIPTION "corvad-common-qt5 gallery and plugin diagnostic tool")
set(CPACK_COMPONENTS_ALL runtime development tools)
if(CORVADQT5_ZUB_STANDIN)
    set(CPACK_DEBIAN_ZUBINTEGRATION_PACKAGE_NAME libzubintegration1)
    set(CPACK_DEBIAN_ZUBINTEGRATION_PACKAGE_GENERATE_SHLIBS ON)
    set(CPACK_COMPONENT_ZUBINTEGRATION_DESCRIPTION "Desktop help menu (stand-in)")
    set(CPACK_COMPONENT_RUNTIME_DEPENDS zubintegration)
    list(APPEND CPACK_COMPONENTS_ALL zubintegration)
endif()
# dpkg-shlibdeps finds the packages' own libraries in the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${PROJECT_BINARY_DIR}/src ${PROJECT_BINARY_DIR}/platform/zubintegration)
include(CPack)
