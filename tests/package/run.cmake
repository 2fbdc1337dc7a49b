message(STATUS "package test: later")
