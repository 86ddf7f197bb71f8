# One library per layer, linked along the arrows the layers allow (docs/DEVELOPING.md) and no
# others, so that code using a layer it may not reach does not link. Folders are globbed:
# a new file needs no edit here. cmake/Layers.txt holds the arrows; scripts/check-layers.py holds
# the includes to them.

# mirevo_layer(NAME FOLDER [CONFIG] DEPENDS...): the folder's sources as a static library
# (an interface library for a folder of headers only). CONFIG gives it the generated
# build-time configuration header.
function(mirevo_layer name folder)
  cmake_parse_arguments(PARSE_ARGV 2 layer "CONFIG" "" "")
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/app/main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${name} ${scope} ${PROJECT_SOURCE_DIR})
  if(layer_CONFIG)
    target_include_directories(${name} ${scope} ${CMAKE_BINARY_DIR}/generated)
  endif()
  target_link_libraries(${name} ${scope} ${layer_UNPARSED_ARGUMENTS})
endfunction()

if(WIN32)
  enable_language(RC)
endif()

# The layers of cmake/Layers.txt, in its order, each linked to the libraries of the folders
# it may include (the Windows layer only in Windows builds).
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/Layers.txt layer_lines REGEX "^[a-z]")
foreach(line IN LISTS layer_lines)
  string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
  list(POP_FRONT fields folder library)
  set(config "")
  set(depends "")
  foreach(allowed IN LISTS fields)
    if(allowed STREQUAL "generated")
      set(config CONFIG)
    else()
      list(APPEND depends ${mirevo_library_of_${allowed}})
    endif()
  endforeach()
  set(mirevo_library_of_${folder} ${library})
  if(folder STREQUAL "platform/win32" AND NOT WIN32)
    continue()
  endif()
  mirevo_layer(${library} ${folder} ${config} ${depends})
endforeach()

# Everything portable, for the tests, benchmarks and fuzz targets.
add_library(mirevo_core INTERFACE)
target_link_libraries(mirevo_core INTERFACE mirevo_app mirevo_portable)
target_include_directories(mirevo_core INTERFACE ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)

if(WIN32)
  # What the main window's first showing does not need is loaded on first use, off the
  # start-up (see docs/DEVELOPING.md).
  include(${CMAKE_CURRENT_LIST_DIR}/DelayLoad.cmake)
  mirevo_delay_load_libraries(later_libraries comdlg32 imm32 ole32 shell32 version)
  target_link_libraries(mirevo_win32 PUBLIC
    ${later_libraries} oleaut32 uuid comctl32 gdi32 user32 uxtheme)

  add_executable(Mirevo WIN32 app/main.cpp resources/Mirevo.rc)
  # The resource compiler reports no dependencies: name the generated and embedded files.
  file(GLOB resource_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*.bmp
       ${PROJECT_SOURCE_DIR}/resources/*.ico)
  set_source_files_properties(resources/Mirevo.rc PROPERTIES OBJECT_DEPENDS
    "${CMAKE_BINARY_DIR}/generated/resources/Mirevo.manifest;${CMAKE_BINARY_DIR}/generated/resources/MirevoVersion.h;${resource_files}")
  target_link_libraries(Mirevo PRIVATE mirevo_app mirevo_win32)
  target_include_directories(Mirevo PRIVATE ${PROJECT_SOURCE_DIR}/resources
                                            ${CMAKE_BINARY_DIR}/generated/resources)
  set_target_properties(Mirevo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # No link time in the header, so the same sources give the same program bytes.
  target_link_options(Mirevo PRIVATE -Wl,--no-insert-timestamp)

  # The baseline of the start-up benchmark (scripts/bench-startup.sh).
  add_executable(minimal_window WIN32 platform/win32/bench/MinimalWindow.cpp)
  set_target_properties(minimal_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  add_executable(common_controls_window WIN32 platform/win32/bench/MinimalWindow.cpp
                                             platform/win32/bench/CommonControlsWindow.rc)
  target_compile_definitions(common_controls_window PRIVATE MIREVO_WITH_COMMON_CONTROLS)
  set_source_files_properties(platform/win32/bench/CommonControlsWindow.rc PROPERTIES
    OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/resources/Mirevo.manifest)
  target_include_directories(common_controls_window PRIVATE
                             ${CMAKE_BINARY_DIR}/generated/resources)
  target_link_libraries(common_controls_window PRIVATE comctl32)
  set_target_properties(common_controls_window PROPERTIES
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  add_executable(drop_target_window WIN32 platform/win32/bench/MinimalWindow.cpp
                                         platform/win32/bench/CommonControlsWindow.rc)
  target_compile_definitions(drop_target_window PRIVATE MIREVO_WITH_COMMON_CONTROLS
                                                        MIREVO_WITH_DROP_TARGET)
  target_include_directories(drop_target_window PRIVATE ${PROJECT_SOURCE_DIR}
                             ${CMAKE_BINARY_DIR}/generated/resources)
  # ole32 comes in as Mirevo's does, when it is first called.
  target_link_libraries(drop_target_window PRIVATE comctl32 ${later_libraries} uuid)
  set_target_properties(drop_target_window PROPERTIES
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  add_executable(bare_window_tree WIN32 platform/win32/bench/BareWindowTree.cpp
                                       platform/win32/bench/BareWindowTree.rc)
  set_source_files_properties(platform/win32/bench/BareWindowTree.rc PROPERTIES
    OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/resources/Mirevo.manifest)
  target_include_directories(bare_window_tree PRIVATE ${PROJECT_SOURCE_DIR}
                             ${PROJECT_SOURCE_DIR}/resources
                             ${CMAKE_BINARY_DIR}/generated/resources)
  target_link_libraries(bare_window_tree PRIVATE comctl32 ${later_libraries} uuid)
  set_target_properties(bare_window_tree PROPERTIES
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  add_executable(startup_timer platform/win32/bench/StartupTimer.cpp)
  set_target_properties(startup_timer PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
