# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) once the package's files are staged,
# before the Debian package is made: the package's Depends are what
# dpkg-shlibdeps finds for the programs in bin/, whichever programs are
# installed there. The dialog module is left out on purpose: it needs GTK,
# which the package only recommends, since the programs run without it.
# Without dpkg-shlibdeps the Depends set in Packaging.cmake stay, unversioned.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
find_program(MARVANE_SHLIBDEPS dpkg-shlibdeps)
if(NOT MARVANE_SHLIBDEPS)
  message(WARNING "dpkg-shlibdeps not found (Debian: dpkg-dev): Depends without versions")
  return()
endif()
file(GLOB programs LIST_DIRECTORIES false
     "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
if(NOT programs)
  message(FATAL_ERROR "no programs staged in ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin")
endif()
# dpkg-shlibdeps wants a source package's debian/control around it.
set(scratch "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
file(REMOVE_RECURSE "${scratch}")
file(WRITE "${scratch}/debian/control" "")
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${MARVANE_SHLIBDEPS} -O ${programs}
                WORKING_DIRECTORY "${scratch}"
                OUTPUT_VARIABLE found ERROR_VARIABLE complaints RESULT_VARIABLE result)
file(REMOVE_RECURSE "${scratch}")
if(NOT result EQUAL 0 OR NOT found MATCHES "shlibs:Depends=([^\n]+)")
  message(FATAL_ERROR "dpkg-shlibdeps on the programs failed: ${complaints}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
message(STATUS "Marvane: Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
