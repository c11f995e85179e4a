# TAVORO_SANITIZE is a comma-separated list handed to -fsanitize=. The test script
# builds once with address,undefined and once with thread; a plain build has none.
if(TAVORO_SANITIZE)
  set(_san "-fsanitize=${TAVORO_SANITIZE}")
  add_compile_options(${_san} -fno-omit-frame-pointer -g)
  if(TAVORO_SANITIZE MATCHES "undefined")
    add_compile_options(-fno-sanitize-recover=undefined)
  endif()
  add_link_options(${_san})
endif()

# libFuzzer: every project library is instrumented for coverage; the fuzz targets
# add -fsanitize=fuzzer themselves.
if(TAVORO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TAVORO_FUZZ needs clang (CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()
