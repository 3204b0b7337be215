# cmake -DOUTPUT=<file> -DLIBRARY=<soname> -DPACKAGE=<package>
#   -DDEV_PACKAGE=<package> -P this
# Writes the Debian symbols file of the runtime package from
# client_common/exports.txt; debian/rules runs it before dh_makeshlibs.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/exports.cmake)
client_common_debian_symbols(${OUTPUT} ${LIBRARY} ${PACKAGE} ${DEV_PACKAGE})
