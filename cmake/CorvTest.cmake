# corv_add_test(NAME name SOURCES ... LIBS ...)
# One GoogleTest binary per room; every test runs on Qt's offscreen platform.
find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Test)
include(GoogleTest)

function(corv_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/test_main.cpp)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest Qt6::Widgets Qt6::Test)
  target_compile_definitions(${T_NAME} PRIVATE CORV_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${T_NAME}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
