# Libraries and the program. Folders are globbed so that a new file needs no edit here.

set(MIREVO_CORE_DIRS common linkgen settings droptarget about textview ui app platform/portable)
set(core_sources "")
foreach(dir IN LISTS MIREVO_CORE_DIRS)
  file(GLOB_RECURSE dir_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  list(APPEND core_sources ${dir_sources})
endforeach()
# The program's entry point belongs to the executable only.
list(FILTER core_sources EXCLUDE REGEX "/app/main\\.cpp$")

add_library(mirevo_core STATIC ${core_sources})
target_include_directories(mirevo_core PUBLIC ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)

if(WIN32)
  enable_language(RC)
  file(GLOB win32_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/platform/win32/*.cpp)
  add_library(mirevo_win32 STATIC ${win32_sources})
  target_link_libraries(mirevo_win32 PUBLIC mirevo_core
    ole32 oleaut32 uuid comctl32 comdlg32 version shell32 imm32 gdi32 user32 uxtheme)

  add_executable(Mirevo WIN32 app/main.cpp resources/Mirevo.rc)
  target_link_libraries(Mirevo PRIVATE mirevo_win32)
  target_include_directories(Mirevo PRIVATE ${PROJECT_SOURCE_DIR}/resources)
  set_target_properties(Mirevo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

  # The baseline of the start-up benchmark (scripts/bench-startup.sh).
  add_executable(minimal_window WIN32 platform/win32/bench/MinimalWindow.cpp)
  set_target_properties(minimal_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
