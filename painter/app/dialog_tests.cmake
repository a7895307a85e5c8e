# Tests that drive the real options dialog with whole jobs on a small level:
# under Wine (a driver program that works the dialog as a user would) and
# under Xvfb with GTK (in-process, the dialog's code linked in, not loaded).
if(WIN32)
  add_executable(marvane_dialog_driver options_dialog_driver_win32.cpp)
  target_link_libraries(marvane_dialog_driver PRIVATE marvane_test_level marvane_test_support user32)
  # The driver starts the painter that sits beside it in bin/.
  add_dependencies(marvane_dialog_driver Marvane)
  add_test(NAME options_dialog_win32 COMMAND marvane_dialog_driver)
  set_tests_properties(options_dialog_win32 PROPERTIES TIMEOUT 600)
elseif(TARGET marvane_dialog_gtk)
  add_executable(options_dialog_gtk_test options_dialog_gtk_test.cpp)
  target_link_libraries(options_dialog_gtk_test PRIVATE
    marvane_job marvane_dialog_gtk_code marvane_test_level marvane_test_support GTest::gtest_main)
  # The test makes its own display, so that no window opens on a desktop and
  # it runs where there is none.
  find_program(MARVANE_XVFB_RUN xvfb-run)
  if(MARVANE_XVFB_RUN)
    add_test(NAME options_dialog_gtk
             COMMAND ${MARVANE_XVFB_RUN} -a $<TARGET_FILE:options_dialog_gtk_test>)
    # GTK keeps allocations until the process ends, by design.
    set_tests_properties(options_dialog_gtk PROPERTIES
      TIMEOUT 600 ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
  else()
    message(WARNING "Marvane: no xvfb-run (Debian: xvfb): the GTK dialog test is not run")
  endif()
endif()
