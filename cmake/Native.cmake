# Host build of the pure-logic cores, with sanitizers.
set(LUM_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(-Wall -Wextra ${LUM_SANITIZE})
add_link_options(${LUM_SANITIZE})

find_package(GTest REQUIRED)

add_library(lum_core STATIC ${LUM_CORE_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_include_directories(lum_core PUBLIC ${CMAKE_SOURCE_DIR}/src)

add_executable(core_tests ${LUM_CORE_TESTS} ${CMAKE_SOURCE_DIR}/cmake/empty_test.cpp)
target_link_libraries(core_tests PRIVATE lum_core GTest::gtest_main)
target_compile_definitions(core_tests PRIVATE LUM_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_test(NAME core_tests COMMAND core_tests)
