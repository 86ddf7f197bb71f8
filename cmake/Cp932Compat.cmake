# libstdc++'s C++20 <chrono> spells the micro sign as a universal character name, which
# code page 932 cannot represent, so every file that includes it fails with
# -fexec-charset=CP932. A copy with "us" in its place is put ahead of the system headers.
set(compat_dir ${CMAKE_BINARY_DIR}/cp932-compat)
foreach(dir IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
  if(EXISTS ${dir}/chrono)
    file(READ ${dir}/chrono chrono_text)
    string(FIND "${chrono_text}" "\\u00b5s" micro_at)
    if(NOT micro_at EQUAL -1)
      string(REPLACE "\\u00b5s" "us" chrono_text "${chrono_text}")
      file(WRITE ${compat_dir}/chrono "${chrono_text}")
      include_directories(BEFORE SYSTEM ${compat_dir})
    endif()
    break()
  endif()
endforeach()
