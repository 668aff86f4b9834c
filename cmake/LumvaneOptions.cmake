# Compiler settings shared by every Lumvane target, applied through
# lumvane_set_options() so third-party code is left alone.

add_library(lumvane_options INTERFACE)
target_compile_options(lumvane_options INTERFACE -Wall -Wextra)
if(LUMVANE_WERROR)
  target_compile_options(lumvane_options INTERFACE -Werror)
endif()
target_compile_definitions(lumvane_options INTERFACE LUMVANE_VERSION="${PROJECT_VERSION}")

if(LUMVANE_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_compile_options(${_san})
  add_link_options(-fsanitize=address,undefined)
endif()

if(LUMVANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "LUMVANE_FUZZ needs clang (libFuzzer)")
  endif()
  # Instrument all of our code for coverage; only fuzz targets link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
