# add_windows_program(EXE NAME LIB NAME RESOURCES FILE LIBS ... TESTS NAME)
#   Everything of the program's folder but its entry WinMain.cpp becomes the library LIB,
#   so the tests drive the real windows in-process; EXE is the entry with the resources;
#   TESTS is the in-process test executable of tests/*.cpp, with the same resources.
function(add_windows_program)
  cmake_parse_arguments(P "" "EXE;LIB;RESOURCES;TESTS" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/WinMain\\.cpp$")
  add_library(${P_LIB} STATIC ${sources})
  target_include_directories(${P_LIB} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${P_LIB} PUBLIC ${P_LIBS})

  set(resources ${CMAKE_CURRENT_SOURCE_DIR}/${P_RESOURCES})
  get_filename_component(forms_dir ${resources} DIRECTORY)
  file(GLOB form_files CONFIGURE_DEPENDS ${forms_dir}/*)
  set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS "${form_files}")

  add_executable(${P_EXE} WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/WinMain.cpp ${resources})
  target_link_libraries(${P_EXE} PRIVATE ${P_LIB})

  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  add_project_test(${P_TESTS} SOURCES ${tests} LIBS ${P_LIB} RESOURCES ${resources})
endfunction()
