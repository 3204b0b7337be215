# Install rules, the CMake package, the pkg-config file and the Debian package.
include(CMakePackageConfigHelpers)

set(CLIENT_COMMON_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/client_common)
set(CLIENT_COMMON_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/client_common)

target_include_directories(client_common PUBLIC
  $<INSTALL_INTERFACE:${CLIENT_COMMON_INCLUDE_DIR}>)

# The libraries find each other where they are installed.
if(APPLE)
  set(library_rpath "@loader_path")
else()
  set(library_rpath "$ORIGIN")
endif()
set_target_properties(client_common PROPERTIES INSTALL_RPATH "${library_rpath}")

set(installed_libraries client_common qarel_core)
if(NOT APPLE)
  list(APPEND installed_libraries macos_standin)
endif()
install(TARGETS ${installed_libraries} qarel-launch
  EXPORT client_common-targets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

# Headers keep their folders, so consumers write
# #include <option_list/option_list.h> as the project itself does.
foreach(header
    client_common/client_common.h
    client_common/export.h
    logging/logging.h
    option_list/option_list.h
    platform_mac/platform_mac.h
    qarel_core/qarel_core.h
    safe_str/safe_str.h
    version/version.h)
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES ${header} DESTINATION ${CLIENT_COMMON_INCLUDE_DIR}/${folder})
endforeach()

install(EXPORT client_common-targets
  NAMESPACE client_common::
  DESTINATION ${CLIENT_COMMON_CMAKE_DIR})
configure_package_config_file(cmake/client_common-config.cmake.in
  ${PROJECT_BINARY_DIR}/client_common-config.cmake
  INSTALL_DESTINATION ${CLIENT_COMMON_CMAKE_DIR})
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/client_common-config-version.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/client_common-config.cmake
  ${PROJECT_BINARY_DIR}/client_common-config-version.cmake
  DESTINATION ${CLIENT_COMMON_CMAKE_DIR})

# Relative to the .pc file, so the package works wherever the prefix lands.
file(RELATIVE_PATH PC_TO_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig
  ${CMAKE_INSTALL_PREFIX})
configure_file(cmake/client_common.pc.in
  ${PROJECT_BINARY_DIR}/client_common.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/client_common.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(CPACK_PACKAGE_NAME "client-common")
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Launch-argument, option-table and logging library of the Qarel client")
set(CPACK_PACKAGE_CONTACT "Quorvane client team <client@quorvane.invalid>")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libboost-dev (>= 1.74)")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
