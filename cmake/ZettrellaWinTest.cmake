# zettrella_win_test: one test program of Win32 code, run case by case under Wine.
include(GoogleTest)

# zettrella_win_test(name SOURCES... [LIBS ...] [LOCK resources...]
#                    [PROPERTIES test properties...]) adds one
# test program whose cases ctest runs one by one under Wine. LOCK serialises
# cases that share something machine-wide, so that parallel cases never meet:
#   zettrella_instance  the note program's mutex, store mapping, the
#                       hot keys and the user's shortcut folders;
#   desktop             the keyboard focus, the pointer and the screen's pixels.
function(zettrella_win_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LOCK;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} zettrella_test_support gtest_main)
  set(props TIMEOUT 120 ${T_PROPERTIES})
  if(T_LOCK)
    list(APPEND props RESOURCE_LOCK ${T_LOCK})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES ${props})
endfunction()
