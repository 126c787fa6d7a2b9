# Sanitizer builds. DRIFTER_FUZZ builds everything, the tests included, with
# AddressSanitizer and UndefinedBehaviorSanitizer and for libFuzzer (clang
# only): make test-sanitize runs the tests of that build and make fuzz its fuzz
# targets (cmake/fuzz.cmake). DRIFTER_SANITIZE adds the sanitizers alone, for
# a build with another compiler. Any report ends the program, so no report can
# pass as a warning.
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
