# cmake -DSOURCE_DIR=<tree> -P CheckLevelGrammar.cmake
# What a level is on disk is written once, in level/: the settings keys the
# painter reads and rewrites are named nowhere else in the programs' code,
# so that the reader, the importer's rewrite and the sample generator cannot
# drift apart. Tests, fuzz seeds and documents may quote them; the folders
# of the programs' code are listed here (a new one must join the list, or
# it goes unchecked). Fails listing
# every line that names one.
set(sources "")
foreach(folder painter common materials splitter converter importer preview tools bench)
  file(GLOB_RECURSE found_here RELATIVE "${SOURCE_DIR}"
       "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  list(APPEND sources ${found_here})
endforeach()
set(found "")
foreach(name IN LISTS sources)
  if(name MATCHES "_test\\.cpp$")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${name}" lines REGEX "heightmap\\.set(Size|Scale)")
  foreach(line IN LISTS lines)
    string(APPEND found "\n  ${name}: ${line}")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "Settings keys named outside level/:${found}")
endif()
