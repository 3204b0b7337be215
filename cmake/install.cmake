# Install rules, the CMake package and the pkg-config file. The Debian
# packages are made from these by debian/rules.
include(CMakePackageConfigHelpers)

set(CLIENT_COMMON_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/client_common)
set(CLIENT_COMMON_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/client_common)

target_include_directories(client_common PUBLIC
  $<INSTALL_INTERFACE:${CLIENT_COMMON_INCLUDE_DIR}>)

# The libraries find each other where they are installed.
set_target_properties(client_common PROPERTIES
  INSTALL_RPATH "${CLIENT_COMMON_ORIGIN}")

# What is installed is laid out in the build tree as it is installed, and
# linked with its install RPATH from the start: nothing is rewritten at
# install, so the installed bytes do not depend on the build folder's path.
set_target_properties(client_common qarel_core qarel-launch PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_BINDIR}
  LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_LIBDIR}
  BUILD_WITH_INSTALL_RPATH ON)

# The CMake package knows the libraries client_common links privately, so a
# client's link finds them. The core stand-in has no development link:
# clients never link it directly.
install(TARGETS client_common qarel_core
  EXPORT client_common-targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_SKIP)
install(TARGETS client_common
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_ONLY)
install(TARGETS qarel-launch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Headers keep their folders, so consumers write
# #include <option_list/option_list.h> as the project itself does.
foreach(header IN LISTS CLIENT_COMMON_PUBLIC_HEADERS ITEMS qarel_core/qarel_core.h)
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
