# The fuzz checks (fuzz/) run the game's map and save loaders, its play and
# its key decoder on untrusted bytes. They are a library of every build, so
# that the test suite replays the inputs that once failed (fuzz/regressions/);
# with DRIFTER_FUZZ each check also becomes a libFuzzer target, fuzz_NAME, and
# fuzz_seeds writes their first inputs. make fuzz runs them.
file(GLOB DRIFTER_FUZZ_CHECK_SOURCES CONFIGURE_DEPENDS fuzz/*_input.cpp fuzz/scratch.cpp)
add_library(drifter_fuzz_checks STATIC ${DRIFTER_FUZZ_CHECK_SOURCES})
target_link_libraries(drifter_fuzz_checks PUBLIC drifter_core)
target_compile_definitions(drifter_fuzz_checks PRIVATE DRIFTER_FUZZ_SHIPPED_DIR="${CMAKE_SOURCE_DIR}")
if(TARGET drifter_tests)
  target_link_libraries(drifter_tests PRIVATE drifter_fuzz_checks)
endif()

if(DRIFTER_FUZZ)
  foreach(check Map Save Play Key)
    string(TOLOWER fuzz_${check} target)
    add_executable(${target} fuzz/entry.cpp)
    target_compile_definitions(${target} PRIVATE DRIFTER_FUZZ_CHECK=check${check}Bytes)
    target_link_libraries(${target} PRIVATE drifter_fuzz_checks)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  endforeach()
  add_executable(fuzz_seeds fuzz/make_seeds.cpp)
  target_link_libraries(fuzz_seeds PRIVATE drifter_maptools drifter_core)
  target_compile_definitions(fuzz_seeds PRIVATE DRIFTER_FUZZ_SHIPPED_DIR="${CMAKE_SOURCE_DIR}")
endif()
