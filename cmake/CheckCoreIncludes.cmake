# cmake -DSOURCE_DIR=<tree> -P CheckCoreIncludes.cmake
# The painting core (painter/terrain, painter/paint) is a library of its own:
# it may not reach up into the application layer, which names files, shows
# windows and writes the log. Fails listing every include that does.
file(GLOB_RECURSE core_files
     "${SOURCE_DIR}/painter/terrain/*.h" "${SOURCE_DIR}/painter/terrain/*.cpp"
     "${SOURCE_DIR}/painter/paint/*.h" "${SOURCE_DIR}/painter/paint/*.cpp")
set(found "")
foreach(file IN LISTS core_files)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]painter/app/")
  foreach(line IN LISTS lines)
    file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
    string(APPEND found "\n  ${name}: ${line}")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "The painting core includes the application layer:${found}")
endif()
