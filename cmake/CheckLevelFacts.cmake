# cmake -DSOURCE_DIR=<tree> -P CheckLevelFacts.cmake
# The names of a level's files and of what a painting job writes, the
# painter's size limit (8192) and the full 16-bit sample range (65536) are
# each defined once, in level/ (the material set's names in materials/),
# and used by name everywhere else, so that the painter, the splitter, the
# importer, the preview, the sample generator and the benchmarks cannot
# drift apart. Comments reword them. The one exception is a help text
# (a usage text a program prints), which quotes names for the user: in the
# files listed below, a line that is only a string literal may name them. Tests, fuzz seeds and documents may quote them freely; a
# new folder of the programs' code must join the list, or it goes
# unchecked. Fails listing every line that names one.
cmake_policy(VERSION 3.23)
set(folders painter common materials splitter converter importer preview tools bench)
set(help_texts painter/app/usage.cpp splitter/quillet_main.cpp importer/import_options.cpp
               tools/arguments.cpp)
set(facts "Heightdata\\.con|HeightmapPrimary|HeightmapSecondary|detailbig|colourbig|[cd]temp\\.tga"
          "|detailmaps|colormaps|tx0|tx_s|8192|65536")
string(JOIN "" facts ${facts})
set(sources "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE found_here RELATIVE "${SOURCE_DIR}"
       "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.js")
  list(APPEND sources ${found_here})
endforeach()
set(found "")
foreach(name IN LISTS sources)
  if(name MATCHES "(_test\\.cpp|\\.test\\.js|_driver_[a-z0-9]+\\.cpp)$" OR name MATCHES "^materials/")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${name}" lines REGEX "${facts}")
  foreach(line IN LISTS lines)
    if(name IN_LIST help_texts AND line MATCHES "^[ \t]*\"[^\"]*\"[ \t;]*$")
      continue()
    endif()
    string(APPEND found "\n  ${name}: ${line}")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "Level facts written outside level/ instead of named:${found}")
endif()
