# Delay-load import libraries: a library linked through one is loaded when the program first
# calls into it, not before the program starts. Each is made at configure time from MinGW's own
# import library (every function it names) with dlltool; MinGW's run-time library supplies the
# loader (__delayLoadHelper2).
#
#   mirevo_delay_load_libraries(OUT_VAR dll...)  sets OUT_VAR to the libraries' paths

function(mirevo_delay_load_libraries out_var)
  set(prefix ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-)
  find_program(MIREVO_DLLTOOL NAMES ${prefix}dlltool REQUIRED)
  find_program(MIREVO_NM NAMES ${prefix}nm REQUIRED)
  set(folder ${CMAKE_BINARY_DIR}/delayload)
  file(MAKE_DIRECTORY ${folder})
  set(libraries)
  foreach(dll IN LISTS ARGN)
    find_library(MIREVO_IMPORT_${dll} NAMES lib${dll}.a REQUIRED)
    set(library ${folder}/lib${dll}-delay.a)
    _mirevo_write_def(${MIREVO_IMPORT_${dll}} ${dll} ${folder}/${dll}.def)
    # Made in its folder, so that no path goes into the names of its symbols.
    # On i686 the functions' names keep their stdcall decoration (@N) in the program and lose
    # it in the library (-k).
    set(kill_at)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
      set(kill_at -k)
    endif()
    execute_process(
      COMMAND ${MIREVO_DLLTOOL} ${kill_at} --input-def ${folder}/${dll}.def --dllname ${dll}.dll
              --output-delaylib lib${dll}-delay.a
      WORKING_DIRECTORY ${folder} RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "dlltool could not make the delay-load library of ${dll}")
    endif()
    list(APPEND libraries ${library})
  endforeach()
  set(${out_var} ${libraries} PARENT_SCOPE)
endfunction()

# The module definition of every function the import library names.
function(_mirevo_write_def import_library dll def)
  execute_process(COMMAND ${MIREVO_NM} -g ${import_library} OUTPUT_VARIABLE symbols
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "nm could not read ${import_library}")
  endif()
  # x86_64 names a function Foo "__imp_Foo"; i686 "__imp__Foo@N" (or "__imp__Foo" for cdecl).
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(pattern " I __imp__([A-Za-z0-9_@?$]+)")
  else()
    set(pattern " I __imp_([A-Za-z0-9_@?$]+)")
  endif()
  string(REGEX MATCHALL "${pattern}" entries "${symbols}")
  set(names)
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE "${pattern}" "\\1" name "${entry}")
    list(APPEND names ${name})
  endforeach()
  list(REMOVE_DUPLICATES names)
  list(SORT names)
  list(JOIN names "\n  " body)
  file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n  ${body}\n")
endfunction()
