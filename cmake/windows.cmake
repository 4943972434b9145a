# The plug-in qpUtilR.bxr, the host library and bxhost.exe, and the test suite
# that runs the real DLL in the test host under Wine.

set(QPU_WARNINGS -Wall -Wextra -Wno-unused-parameter -Wno-cast-function-type)
# The C++ runtime is linked in statically: the DLL needs Windows system DLLs only.
set(QPU_STATIC_LINK -static -static-libgcc -static-libstdc++)

# hhctrl.ocx has no import library in MinGW: make one for HtmlHelpA.
set(HHCTRL_IMPLIB ${CMAKE_BINARY_DIR}/libhhctrl_ocx.a)
add_custom_command(OUTPUT ${HHCTRL_IMPLIB}
  COMMAND ${CMAKE_DLLTOOL} -k -d ${PROJECT_SOURCE_DIR}/cmake/hhctrl.def -l ${HHCTRL_IMPLIB}
  DEPENDS ${PROJECT_SOURCE_DIR}/cmake/hhctrl.def)
add_custom_target(hhctrl_implib DEPENDS ${HHCTRL_IMPLIB})

file(GLOB_RECURSE QPU_DLL_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/library/*.cpp
  ${PROJECT_SOURCE_DIR}/core/*.cpp
  ${PROJECT_SOURCE_DIR}/actions/*.cpp)
add_library(qpUtilR SHARED ${QPU_DLL_SOURCES}
  ${PROJECT_SOURCE_DIR}/library/qpUtilR.def
  ${PROJECT_SOURCE_DIR}/library/qpUtilR.rc)
add_dependencies(qpUtilR hhctrl_implib)
set_target_properties(qpUtilR PROPERTIES PREFIX "" OUTPUT_NAME qpUtilR SUFFIX ".bxr")
target_include_directories(qpUtilR PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/core)
target_compile_options(qpUtilR PRIVATE ${QPU_WARNINGS})
target_compile_definitions(qpUtilR PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
target_link_options(qpUtilR PRIVATE ${QPU_STATIC_LINK} -Wl,--enable-stdcall-fixup)
target_link_libraries(qpUtilR PRIVATE
  ${HHCTRL_IMPLIB} powrprof comdlg32 shell32 ole32 oleaut32 uuid gdi32 user32 advapi32 kernel32)

# The host side: never linked into the DLL.
file(GLOB QPU_HOST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/host/*.cpp ${PROJECT_SOURCE_DIR}/host/*.S)
list(FILTER QPU_HOST_SOURCES EXCLUDE REGEX "/bxhost_main\\.cpp$")
add_library(bxhostlib STATIC ${QPU_HOST_SOURCES})
target_include_directories(bxhostlib PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(bxhostlib PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${QPU_WARNINGS}>)
target_compile_definitions(bxhostlib PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

add_executable(bxhost ${PROJECT_SOURCE_DIR}/host/bxhost_main.cpp)
target_link_libraries(bxhost PRIVATE bxhostlib)
target_link_options(bxhost PRIVATE ${QPU_STATIC_LINK})
add_dependencies(bxhost qpUtilR)

# GoogleTest, cross-built.
add_subdirectory(${GTEST_ROOT_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB QPU_WIN_TEST_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win/*.cpp)
add_executable(qpUtilR_tests ${QPU_WIN_TEST_SOURCES})
target_include_directories(qpUtilR_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(qpUtilR_tests PRIVATE bxhostlib gtest ole32 uuid shell32 gdi32 user32 comdlg32)
target_link_options(qpUtilR_tests PRIVATE ${QPU_STATIC_LINK})
target_compile_definitions(qpUtilR_tests PRIVATE QPU_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
add_dependencies(qpUtilR_tests qpUtilR)

# One Wine start for the suite. The real system dialogs run in a process of
# their own: under Wine, once they have run, later loads of the plug-in in the
# same process fail (error 126), which would turn every later test red.
add_test(NAME dll_suite COMMAND qpUtilR_tests --gtest_color=no --gtest_filter=-RealDialogTest.*:ArgumentSets/HostileTest.*)
add_test(NAME real_dialogs COMMAND qpUtilR_tests --gtest_color=no --gtest_filter=RealDialogTest.*)
set_tests_properties(dll_suite real_dialogs PROPERTIES TIMEOUT 1200)
# The hostile-input suite needs a process of its own too: after the whole
# suite the 32-bit test process is close to running out of memory.
add_test(NAME hostile_inputs COMMAND qpUtilR_tests --gtest_color=no --gtest_filter=ArgumentSets/HostileTest.*)
set_tests_properties(hostile_inputs PROPERTIES TIMEOUT 600)

# bxhost initialises COM for the plug-in; the suite runs bxhost.exe itself too.
target_link_libraries(bxhost PRIVATE ole32)
add_dependencies(qpUtilR_tests bxhost)
