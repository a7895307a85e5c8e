# cmake -DSOURCE_DIR=<tree> -P CheckRooms.cmake
# Each folder of the programs' code is a room with a job of its own, and it
# may include only the rooms below it. The table is the one written down in
# the README's "Working on Marvane"; a change to one must change the other.
# Tests (files ending in _test.cpp, and the dialog's test driver) may also
# include tests/support and whatever they test. A folder missing from the
# table is refused, so that a new one must say where it stands. Fails
# listing every include that crosses a wall.
cmake_policy(SET CMP0057 NEW)

set(rooms
  "common/text:common/text"
  "common/status:common/status|common/text"
  "common/platform:common/platform|common/status|common/text"
  "common/parallel:common/parallel|common/text"
  "common/image:common/image|common/parallel|common/platform|common/status|common/text"
  "common/noise:common/noise"
  "level:level|common"
  "materials:materials|level|common|painter/paint|painter/terrain"
  "painter/terrain:painter/terrain|level|common"
  "painter/paint:painter/paint|painter/terrain|materials|level|common"
  "painter/app:painter|materials|level|common"
  "splitter:splitter|level|common"
  "converter:converter|common"
  "importer:importer|materials|level|common"
  "preview:preview|materials|level|common"
  "tools:tools|materials|level|common"
  "bench:bench|painter|splitter|converter|importer|preview|materials|level|common")

set(found "")
set(checked "")
foreach(entry IN LISTS rooms)
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 room)
  list(GET parts 1 allowed)
  list(APPEND checked "${room}")
  file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}"
       "${SOURCE_DIR}/${room}/*.h" "${SOURCE_DIR}/${room}/*.cpp")
  foreach(name IN LISTS files)
    if(name MATCHES "_test\\.cpp$" OR name MATCHES "_driver_[a-z0-9]+\\.cpp$")
      continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${name}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" target "${line}")
      if(NOT target MATCHES "^(${allowed})/")
        string(APPEND found "\n  ${name}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

# Every folder with code must have a row.
foreach(top painter common)
  file(GLOB subs RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${top}/*")
  foreach(sub IN LISTS subs)
    if(IS_DIRECTORY "${SOURCE_DIR}/${sub}" AND NOT sub IN_LIST checked)
      string(APPEND found "\n  ${sub}/: a folder without a row in cmake/CheckRooms.cmake")
    endif()
  endforeach()
endforeach()

if(found)
  message(FATAL_ERROR "Includes across the rooms' walls:${found}")
endif()
