# Packages of the programs, made with cpack (or the `package` target).
#
# Windows: Marvane-<version>-win64.zip holds Marvane.exe, quillet.exe,
# nvdxt.exe, marvane_import.exe, marvane_materials.exe, marvane_preview.exe and README.md at its
# top, with no folder around them, so that it
# unpacks straight into a level's working folder. The .exe files are linked
# statically and need nothing beside them.
# Linux: a Debian package, marvane_<version>-<revision>_<arch>.deb (see below), and a
# tarball of the install tree. Elsewhere: the tarball alone.
set(CPACK_PACKAGE_NAME Marvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Terrain texture painter with its tile splitter and TGA-to-DDS converter")
set(CPACK_PACKAGE_CHECKSUM SHA256)

if(WIN32)
  # A component of its own, left out of a plain `cmake --install`, which keeps
  # the bin/ layout.
  install(TARGETS Marvane quillet nvdxt marvane_import marvane_materials_program marvane_preview
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
  include(${PROJECT_SOURCE_DIR}/cmake/GzippedFiles.cmake)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
          DESTINATION share/doc/marvane)
  foreach(page Marvane quillet nvdxt marvane_import marvane_materials marvane_preview)
    marvane_install_gzipped(${PROJECT_SOURCE_DIR}/man/${page}.1 share/man/man1)
  endforeach()
  marvane_install_gzipped(${PROJECT_SOURCE_DIR}/packaging/debian/changelog share/doc/marvane
                          NAME changelog.Debian)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides
          DESTINATION share/lintian/overrides RENAME marvane)
  set(CPACK_GENERATOR TGZ)
  if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    # marvane_<version>_<arch>.deb: everything `cmake --install` puts in, under
    # /usr (the module in /usr/lib/marvane/, where the painter looks).
    list(PREPEND CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_PACKAGE_NAME marvane)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    # The Debian revision comes from the newest entry of the package's
    # changelog, which must be of this version: "marvane (0.33-1) ...".
    file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog newest LIMIT_COUNT 1)
    if(NOT newest MATCHES "^marvane \\(${PROJECT_VERSION}-([0-9]+)\\) ")
      message(FATAL_ERROR "packaging/debian/changelog: the newest entry is not of version "
                          "${PROJECT_VERSION}: ${newest}")
    endif()
    set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_1})
    set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_PACKAGE_CONTACT "Marvane developers <marvane@marvane.dev>")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "Marvane paints a game level's ground textures, a colour map and a detail
map, from its heightmaps; quillet cuts them into 512 x 512 tiles and nvdxt
converts each tile into DDS. From a command line or, with GTK 3 installed,
from a small options dialog. marvane_import brings heightmaps made in other
tools into a level, marvane_materials makes its material set from rules in
metres and degrees and from photos, and marvane_preview shows the painted
level in 3D in a web browser.")
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
