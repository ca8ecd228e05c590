# Random key presses into a pad, from fixed seeds (tst_randomkeys.cpp);
# included from this folder's CMakeLists.txt, with its test environment.
add_executable(tst_randomkeys ${CMAKE_CURRENT_LIST_DIR}/tst_randomkeys.cpp)
target_link_libraries(tst_randomkeys PRIVATE formulapad Qt6::Test)
add_test(NAME tst_randomkeys COMMAND tst_randomkeys)
if(NOT DEFINED FACTORIX_PAD_TEST_ENV)
  set(FACTORIX_PAD_TEST_ENV QT_QPA_PLATFORM=offscreen)
endif()
set_tests_properties(tst_randomkeys PROPERTIES ENVIRONMENT "${FACTORIX_PAD_TEST_ENV}" TIMEOUT 300)
