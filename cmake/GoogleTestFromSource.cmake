# GoogleTest for a cross build, built from Debian's sources (package
# googletest), since no GoogleTest is installed for the target system. Its
# build makes the targets find_package(GTest) gives: GTest::gtest and
# GTest::gtest_main.
set(ZA_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build")
if(NOT EXISTS ${ZA_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${ZA_GOOGLETEST_SOURCE_DIR}: "
                      "install Debian's googletest package (scripts/setup-debian does)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "The tests use GoogleTest alone")
set(INSTALL_GTEST OFF CACHE BOOL "GoogleTest is built for the tests only")
add_subdirectory(${ZA_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
