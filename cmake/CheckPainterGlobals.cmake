# cmake -DSOURCE_DIR=<tree> -P CheckPainterGlobals.cmake
# The painter keeps no hidden state: what a job or a dialog needs is handed
# to it (a job's context, a dialog's session object), so that two jobs, a
# test and the program cannot meet in a variable none of them owns. Fails
# listing every mutable variable at namespace scope in painter/'s code:
#   - a line at column 0 (namespace scope in this tree's layout: bodies are
#     indented) that defines or declares a variable, with or without static,
#     extern, inline, in a named or an anonymous namespace, unless it is
#     constexpr, or const all the way (a "const T*" pointer can still move);
#   - thread_local anywhere.
# Functions, types, aliases and constants pass. A variable that a window
# system forces on the code (a callback that receives no user data, say)
# may stay when its line carries the marker
#     // forced-global: <why the window system leaves no other place>
# Tests (*_test.cpp) are not checked; test programs (*_driver_*.cpp) are.
# A variable whose declaration puts its name on a later line than its type,
# or a function pointer, is not recognised: the check is line-based, a
# review's help rather than a parser.
file(GLOB_RECURSE painter_files RELATIVE "${SOURCE_DIR}"
     "${SOURCE_DIR}/painter/*.h" "${SOURCE_DIR}/painter/*.cpp")
set(found "")
foreach(name IN LISTS painter_files)
  if(name MATCHES "_test\\.cpp$")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${name}" lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "// forced-global: ")
      continue()
    endif()
    if(line MATCHES "(^|[^A-Za-z0-9_])thread_local([^A-Za-z0-9_]|$)")
      string(APPEND found "\n  ${name}: ${line}")
      continue()
    endif()
    # Only column 0, and only what can start a declaration.
    if(NOT line MATCHES "^[A-Za-z_]")
      continue()
    endif()
    string(REGEX REPLACE "[ \t]*//.*$" "" code "${line}")
    # Words that start no variable.
    if(code MATCHES "^(using|typedef|struct|class|enum|union|namespace|template|return|friend|static_assert|case|default|public|private|protected|extern \"C\")([^A-Za-z0-9_]|$)")
      continue()
    endif()
    # A declaration ends its first line with ";", or goes on after "=" or "{".
    if(NOT code MATCHES "(;|=|\\{|,)$")
      continue()
    endif()
    # What comes before the initialiser, template arguments emptied (their
    # parentheses, as in std::function<void()>, are no function's).
    string(REGEX REPLACE "[ \t]*(=|\\{).*$" "" declared "${code}")
    string(REGEX REPLACE ";$" "" declared "${declared}")
    set(previous "")
    while(NOT declared STREQUAL previous)
      set(previous "${declared}")
      string(REGEX REPLACE "<[^<>]*>" "@" declared "${declared}")
    endwhile()
    if(declared MATCHES "\\(" OR NOT declared MATCHES "[A-Za-z_][A-Za-z0-9_@:*& \t]*[ \t*&]+[A-Za-z_][][A-Za-z0-9_:]*$")
      continue()  # a function, or not a declaration
    endif()
    if(declared MATCHES "(^|[^A-Za-z0-9_])constexpr([^A-Za-z0-9_]|$)")
      continue()
    endif()
    # const, with no pointer after the last const: the variable itself is constant.
    if(declared MATCHES "(^|[^A-Za-z0-9_])const([^A-Za-z0-9_]|$)")
      string(REGEX REPLACE "^.*(^|[^A-Za-z0-9_])const([^A-Za-z0-9_])" "\\2" after_const "${declared}")
      if(NOT after_const MATCHES "\\*")
        continue()
      endif()
    endif()
    string(APPEND found "\n  ${name}: ${line}")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "Mutable variables at namespace scope in painter/ (hand the state to "
                      "its user instead, or mark a window system's forced one with "
                      "\"// forced-global: why\"):${found}")
endif()
