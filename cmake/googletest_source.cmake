# GoogleTest for the target, built from Debian's source package: the
# installed libgtest is for the build machine only. The source defines the
# same GTest::gtest and GTest::gtest_main targets as the installed package.
set(_gtest_source /usr/src/googletest)
if(NOT EXISTS ${_gtest_source}/CMakeLists.txt)
  message(FATAL_ERROR "${_gtest_source} is missing: install googletest")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${_gtest_source} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
