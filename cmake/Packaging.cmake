# Packages of the programs, made with cpack (or the `package` target).
#
# Windows: Marvane-<version>-win64.zip holds Marvane.exe, quillet.exe,
# nvdxt.exe, marvane_import.exe, marvane_preview.exe and README.md at its top, with no folder around them, so that it
# unpacks straight into a level's working folder. The .exe files are linked
# statically and need nothing beside them.
# Linux: a Debian package, marvane_<version>_<arch>.deb (see below), and a
# tarball of the install tree. Elsewhere: the tarball alone.
set(CPACK_PACKAGE_NAME Marvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Terrain texture painter with its tile splitter and TGA-to-DDS converter")
set(CPACK_PACKAGE_CHECKSUM SHA256)

if(WIN32)
  # A component of its own, left out of a plain `cmake --install`, which keeps
  # the bin/ layout.
  install(TARGETS Marvane quillet nvdxt marvane_import marvane_preview
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
  install(FILES ${PROJECT_SOURCE_DIR}/man/Marvane.1 ${PROJECT_SOURCE_DIR}/man/quillet.1
                ${PROJECT_SOURCE_DIR}/man/nvdxt.1 ${PROJECT_SOURCE_DIR}/man/marvane_import.1
                ${PROJECT_SOURCE_DIR}/man/marvane_preview.1
          DESTINATION share/man/man1)
  set(CPACK_GENERATOR TGZ)
  if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    # marvane_<version>_<arch>.deb: everything `cmake --install` puts in, under
    # /usr (the module in /usr/lib/marvane/, where the painter looks).
    list(PREPEND CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_PACKAGE_NAME marvane)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
    set(CPACK_PACKAGE_CONTACT "Marvane developers <marvane@example.org>")
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "Marvane paints a game level's ground textures, a colour map and a detail
map, from its heightmaps; quillet cuts them into 512 x 512 tiles and nvdxt
converts each tile into DDS. From a command line or, with GTK 3 installed,
from a small options dialog.")
    set(CPACK_STRIP_FILES ON)
    # The programs need only the C and C++ runtimes; GTK is for the dialog
    # alone, so it is recommended, not required. dpkg-shlibdeps over the whole
    # package (CPACK_DEBIAN_PACKAGE_SHLIBDEPS) would read the dialog module
    # too and make GTK a hard dependency: instead it runs on the programs only
    # (DebianProgramDepends.cmake), and gives these their versions.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libgtk-3-0)
    set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianProgramDepends.cmake)
  endif()
endif()

include(CPack)
