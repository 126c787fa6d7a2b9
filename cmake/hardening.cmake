# What ships (the game and the layers it is made of) is built with Debian's
# hardening flags from dpkg-buildflags: the stack protector, _FORTIFY_SOURCE,
# read-only relocations bound at start-up (PIE is Debian's GCC default). Its
# -ffile-prefix-map writes the source folder as "." into the program, and ours
# the build folder (where the layers' include links are) as "./build", so
# where it was built leaves no trace: the same sources give the same program,
# build id included, in any folder. Sanitizer, fuzz, Windows and browser
# builds keep their own flags; tests and tools keep theirs.
if(WIN32 OR EMSCRIPTEN OR DRIFTER_SANITIZE OR DRIFTER_FUZZ)
  return()
endif()
find_program(DRIFTER_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DRIFTER_DPKG_BUILDFLAGS)
  return()
endif()

function(drifter_buildflags kind result)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${DRIFTER_DPKG_BUILDFLAGS} --get ${kind}
                  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(${result} ${flags} PARENT_SCOPE)
endfunction()

function(drifter_harden)
  drifter_buildflags(CPPFLAGS cppflags)
  drifter_buildflags(CXXFLAGS cxxflags)
  drifter_buildflags(LDFLAGS ldflags)
  # The last map that fits a path wins: the build folder's, when it lies
  # inside the source folder.
  list(APPEND cxxflags -ffile-prefix-map=${CMAKE_BINARY_DIR}=./build)
  foreach(target drifter drifter_core drifter_console drifter_platform drifter_model drifter_screens)
    target_compile_options(${target} PRIVATE ${cppflags} ${cxxflags})
  endforeach()
  target_link_options(drifter PRIVATE ${ldflags})
endfunction()
cmake_language(DEFER CALL drifter_harden)
