# Sanitizer builds. DRIFTER_SANITIZE builds everything with AddressSanitizer
# and UndefinedBehaviorSanitizer (make test-sanitize runs the tests so); any
# report ends the program, so no report can pass as a warning. DRIFTER_FUZZ
# builds everything for libFuzzer (clang only) with the same sanitizers; the
# fuzz targets themselves are in cmake/fuzz.cmake.
option(DRIFTER_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(DRIFTER_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
set(DRIFTER_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
if(DRIFTER_SANITIZE)
  add_compile_options(${DRIFTER_SANITIZERS})
  add_link_options(${DRIFTER_SANITIZERS})
  # GCC's sanitizer instrumentation makes -Wmaybe-uninitialized misfire inside
  # the standard library (std::regex); the normal build keeps the warning.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
endif()
if(DRIFTER_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "DRIFTER_FUZZ needs clang: configure with CXX=clang++")
  endif()
  add_compile_options(${DRIFTER_SANITIZERS} -fsanitize=fuzzer-no-link)
  add_link_options(${DRIFTER_SANITIZERS})
endif()
