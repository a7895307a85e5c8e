# Packages of the programs, made with cpack (or the `package` target).
#
# Windows: Marvane-<version>-win64.zip holds Marvane.exe, quillet.exe,
# nvdxt.exe, marvane_import.exe and README.md at its top, with no folder around them, so that it
# unpacks straight into a level's working folder. The .exe files are linked
# statically and need nothing beside them.
# Elsewhere: a tarball of the install tree, the programs side by side in bin/.
set(CPACK_PACKAGE_NAME Marvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Terrain texture painter with its tile splitter and TGA-to-DDS converter")
set(CPACK_PACKAGE_CHECKSUM SHA256)

if(WIN32)
  # A component of its own, left out of a plain `cmake --install`, which keeps
  # the bin/ layout.
  install(TARGETS Marvane quillet nvdxt marvane_import
          RUNTIME DESTINATION . COMPONENT working_folder EXCLUDE_FROM_ALL)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md
          DESTINATION . COMPONENT working_folder EXCLUDE_FROM_ALL)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL working_folder)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/marvane)
  set(CPACK_GENERATOR TGZ)
endif()

include(CPack)
