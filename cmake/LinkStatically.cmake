# marvane_link_statically(target)
# The splitter starts nvdxt once per tile, and the painter starts the
# splitter: linked statically, a program's start skips the dynamic loader's
# work, about half of what a start costs. Windows builds are static already;
# the sanitizers (also those of the fuzz build) need their shared runtime.
include(CheckLinkerFlag)
function(marvane_link_statically target)
  if(WIN32 OR MARVANE_SANITIZE OR MARVANE_FUZZ)
    return()
  endif()
  check_linker_flag(CXX -static MARVANE_LINKS_STATIC)
  if(MARVANE_LINKS_STATIC)
    target_link_options(${target} PRIVATE -static)
  endif()
endfunction()
