# Compiler settings shared by every target.
add_compile_options(-Wall -Wextra -Wpedantic -Werror -finput-charset=UTF-8)

# Text is Shift-JIS at run time; clang only knows UTF-8, so the libFuzzer build
# keeps UTF-8 literals (its targets check invariants, not Japanese texts).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_compile_options(-fexec-charset=CP932)
  include(${CMAKE_CURRENT_LIST_DIR}/Cp932Compat.cmake)
endif()

if(MIREVO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# libFuzzer is guided by the coverage of the program's code, not only of the targets' own, so
# every library carries its counters; the targets alone link the fuzzer's main.
if(MIREVO_LIBFUZZER)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(WIN32)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
