# The Windows build: the library DLL (our MFC-compatible layer and the controls), the static
# start-up part, the tests that run under Wine, the gallery and the benchmarks.
enable_language(RC)
include(GNUInstallDirs)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)

# 8-bit build: UNICODE and _UNICODE are never defined.
set(LUM_WIN_DEFINES WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX STRICT)
set(LUM_WARNINGS -Wall -Wextra -Wno-unused-parameter -Wno-cast-function-type)
set(LUM_SYSTEM_LIBS comctl32 gdi32 user32 msimg32 gdiplus ole32 oleaut32 uuid shell32 shlwapi comdlg32)

# windres reads the pictures a resource script names, which the dependency scanner does not follow: make
# each script depend on the bitmaps beside it and in its res/ folder.
function(lum_rc_picture_depends)
  foreach(src IN LISTS ARGN)
    if(src MATCHES "\\.rc$")
      get_filename_component(dir ${src} DIRECTORY)
      file(GLOB pictures CONFIGURE_DEPENDS ${dir}/*.bmp ${dir}/res/*.bmp)
      set_source_files_properties(${src} PROPERTIES OBJECT_DEPENDS "${pictures}")
    endif()
  endforeach()
endfunction()

# ---- the library DLL -------------------------------------------------------------------------
file(GLOB LUM_MFC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/mfc/src/*.cpp)
file(GLOB LUM_LIB_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/*.cpp ${CMAKE_SOURCE_DIR}/src/*/*.rc)

lum_rc_picture_depends(${LUM_LIB_SOURCES})
add_library(LumCtrl SHARED ${LUM_MFC_SOURCES} ${LUM_LIB_SOURCES})
target_include_directories(LumCtrl
  PUBLIC  $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/mfc/include> $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/include>
          $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/src> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
  PRIVATE ${CMAKE_SOURCE_DIR}/mfc/src)
target_compile_definitions(LumCtrl PUBLIC ${LUM_WIN_DEFINES} PRIVATE LUM_BUILDING_DLL _AFXEXT)
# MFC code calls GetSafeHwnd() and friends through NULL pointers.
target_compile_options(LumCtrl PUBLIC -fno-delete-null-pointer-checks)
target_compile_options(LumCtrl PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${LUM_WARNINGS}>)
target_link_libraries(LumCtrl PUBLIC ${LUM_SYSTEM_LIBS})
set_target_properties(LumCtrl PROPERTIES PREFIX "" IMPORT_PREFIX "" IMPORT_SUFFIX ".lib"
                      RUNTIME_OUTPUT_NAME LumCtrl)

# What must sit in the application's executable: WinMain.
add_library(LumCtrlMain STATIC ${CMAKE_SOURCE_DIR}/mfc/static/winmain.cpp)
target_link_libraries(LumCtrlMain PUBLIC LumCtrl)
target_compile_options(LumCtrlMain PRIVATE ${LUM_WARNINGS})
set_target_properties(LumCtrlMain PROPERTIES PREFIX "" SUFFIX ".lib")

# LumCtrl::LumCtrl gives an application everything: the DLL, WinMain and the system libraries.
add_library(LumCtrlAll INTERFACE)
target_link_libraries(LumCtrlAll INTERFACE LumCtrlMain LumCtrl)
target_link_options(LumCtrlAll INTERFACE -Wl,-u,WinMain)
set_target_properties(LumCtrlAll PROPERTIES EXPORT_NAME LumCtrl)
add_library(LumCtrl::LumCtrl ALIAS LumCtrlAll)
set_target_properties(LumCtrl PROPERTIES EXPORT_NAME LumCtrlDll)
set_target_properties(LumCtrlMain PROPERTIES EXPORT_NAME LumCtrlMain)

install(TARGETS LumCtrl LumCtrlMain LumCtrlAll EXPORT LumCtrlTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${CMAKE_SOURCE_DIR}/include/LumCtrl.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/mfc/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/src/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} FILES_MATCHING PATTERN "*.h")
install(EXPORT LumCtrlTargets NAMESPACE LumCtrl:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/LumCtrl)
include(CMakePackageConfigHelpers)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/LumCtrlConfig.cmake.in
  ${CMAKE_BINARY_DIR}/LumCtrlConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/LumCtrl)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/LumCtrlConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/LumCtrlConfig.cmake ${CMAKE_BINARY_DIR}/LumCtrlConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/LumCtrl)

# ---- tests -----------------------------------------------------------------------------------
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

file(GLOB LUM_SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(lum_test_support STATIC ${LUM_SUPPORT_SOURCES})
target_include_directories(lum_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(lum_test_support PUBLIC LumCtrl gtest)
target_compile_options(lum_test_support PRIVATE ${LUM_WARNINGS})

# One executable per subsystem: tests/<subsystem>/*.cpp (and its *.rc).
file(GLOB LUM_TEST_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*)
foreach(dir ${LUM_TEST_DIRS})
  get_filename_component(sub ${dir} NAME)
  if(NOT IS_DIRECTORY ${dir} OR sub STREQUAL "support" OR sub STREQUAL "fuzz" OR sub STREQUAL "package")
    continue()
  endif()
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.rc)
  if(NOT srcs)
    continue()
  endif()
  lum_rc_picture_depends(${srcs})
  add_executable(test_${sub} ${srcs})
  target_link_libraries(test_${sub} PRIVATE lum_test_support LumCtrl)
  target_include_directories(test_${sub} PRIVATE ${CMAKE_SOURCE_DIR}/src ${dir})
  target_compile_options(test_${sub} PRIVATE ${LUM_WARNINGS})
  target_compile_definitions(test_${sub} PRIVATE LUM_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_test(NAME ${sub} COMMAND test_${sub})
  set_tests_properties(${sub} PROPERTIES TIMEOUT 900)
endforeach()

# The installed package used by an outside CMake project.
add_test(NAME package
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DBUILD_DIR=${CMAKE_BINARY_DIR}
          -DTOOLCHAIN=${CMAKE_TOOLCHAIN_FILE} -P ${CMAKE_SOURCE_DIR}/tests/package/run.cmake)
set_tests_properties(package PROPERTIES TIMEOUT 600)

# ---- gallery and benchmarks --------------------------------------------------------------
if(EXISTS ${CMAKE_SOURCE_DIR}/gallery/CMakeLists.txt)
  add_subdirectory(gallery)
endif()
file(GLOB LUM_BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/bench_*.cpp)
foreach(src ${LUM_BENCHES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE lum_test_support LumCtrl)
  target_compile_options(${name} PRIVATE ${LUM_WARNINGS})
endforeach()
