# The installed package as an outside project uses it: install the build tree, build an
# application with find_package(LumCtrl) and the same toolchain, and run it under Wine.
#   cmake -DSOURCE_DIR=<source> -DBUILD_DIR=<build> -DTOOLCHAIN=<toolchain file> -P run.cmake
cmake_minimum_required(VERSION 3.25)

set(work ${BUILD_DIR}/package-test)
set(prefix ${work}/prefix)
set(app_build ${work}/app)
file(REMOVE_RECURSE ${work})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}")
  endif()
endfunction()

run("installing" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

set(layout
  bin/LumCtrl.dll
  lib/LumCtrl.lib
  lib/LumCtrlMain.lib
  include/LumCtrl.h
  include/afx.h
  include/afxwin.h
  include/afxcmn.h
  lib/cmake/LumCtrl/LumCtrlConfig.cmake
  lib/cmake/LumCtrl/LumCtrlConfigVersion.cmake)
foreach(file ${layout})
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "the installed package lacks ${file}")
  endif()
endforeach()

run("configuring the application"
  ${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/package/app -B ${app_build}
  -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run("building the application" ${CMAKE_COMMAND} --build ${app_build})

if(NOT EXISTS ${app_build}/LumCtrl.dll)
  message(FATAL_ERROR "the application's build did not put LumCtrl.dll beside it")
endif()
find_program(WINE wine REQUIRED)
execute_process(COMMAND ${WINE} ${app_build}/app.exe RESULT_VARIABLE rc TIMEOUT 120)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the application failed: exit code ${rc} (1 no dialog, 2 click not handled, 3 data exchange wrong, 4 skinned button wrong)")
endif()
message(STATUS "package test: installed, built against and ran")
