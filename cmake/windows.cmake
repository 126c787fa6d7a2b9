# What differs when the game is built for Windows, cross-compiled from Debian
# with cmake/mingw-toolchain.cmake: the platform layer's sources, static
# linking, GoogleTest built from its sources, the tests run under Wine, and
# the zip for Windows players.

if(NOT WIN32)
  # The console host, the sound and the file calls need <windows.h>; the
  # pure parts (key events, console cells) build and are tested everywhere.
  set(DRIFTER_OTHER_PLATFORM_SOURCES "platform/windows_(console|host|sound|durable_file|interruption)\\.cpp$")
  set(DRIFTER_TESTS_NEEDING_A_TERMINAL "^$")
  return()
endif()

set(DRIFTER_OTHER_PLATFORM_SOURCES "platform/(terminal|terminal_host|durable_file|sdl_sound|interruption)\\.cpp$")
# These drive a POSIX pseudo terminal, tmux or SDL (or write to /dev/full).
set(DRIFTER_TESTS_NEEDING_A_TERMINAL
    "tests/(platform/(kitty_keyboard|win32_input|terminal_pty|sdl_sound|unusable_terminal)_test|scenarios/(game_terminal|command_line|interrupted_game|recording)_test|support/pseudo_terminal)\\.cpp$")

# <windows.h> without its min and max macros, which break std::min.
add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)
# Nothing but Windows' own DLLs beside the exe.
add_link_options(-static -static-libgcc -static-libstdc++)

# Debian's GoogleTest is built for Linux; its sources are built here instead.
if(NOT DEFINED DRIFTER_TESTS OR DRIFTER_TESTS)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(DRIFTER_GOOGLETEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
  add_subdirectory(${DRIFTER_GOOGLETEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# Wine runs the test programs in a prefix of their own, made by the first test.
set(DRIFTER_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
# Wine plays sound through ALSA; a silent ALSA output gives the tests a wave
# device to stream music through on a machine without a sound card.
set(DRIFTER_WINE_ALSA ${CMAKE_BINARY_DIR}/wine-alsa.conf)
file(WRITE ${DRIFTER_WINE_ALSA} "</usr/share/alsa/alsa.conf>\npcm.!default {\n    type null\n}\n")
set(DRIFTER_WINE_ENVIRONMENT "WINEDEBUG=-all;WINEPREFIX=${DRIFTER_WINEPREFIX};ALSA_CONFIG_PATH=${DRIFTER_WINE_ALSA}")

# One test entry per program (a test list read under Wine would start Wine once
# per test); the program prints every failure.
function(drifter_add_emulated_test target)
  if(NOT TEST wine_prefix)
    add_test(NAME wine_prefix COMMAND wineboot --init)
    set_tests_properties(wine_prefix PROPERTIES ENVIRONMENT "${DRIFTER_WINE_ENVIRONMENT}" FIXTURES_SETUP wine)
    # The game answers --version without a console.
    add_test(NAME drifter_version COMMAND drifter --version)
    set_tests_properties(drifter_version PROPERTIES ENVIRONMENT "${DRIFTER_WINE_ENVIRONMENT}"
                         FIXTURES_REQUIRED wine PASS_REGULAR_EXPRESSION "^drifter [0-9]")
    # The console host on Wine's console, where tmux gives it a terminal.
    find_program(DRIFTER_TMUX tmux)
    if(DRIFTER_TMUX)
      add_test(NAME drifter_console_under_wine COMMAND ${CMAKE_SOURCE_DIR}/tests/windows/console_under_wine.sh
                                                       $<TARGET_FILE:drifter> WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
      set_tests_properties(drifter_console_under_wine PROPERTIES ENVIRONMENT "${DRIFTER_WINE_ENVIRONMENT}"
                           FIXTURES_REQUIRED wine TIMEOUT 300)
    endif()
  endif()
  add_test(NAME ${target} COMMAND ${target} --gtest_brief=1 WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
  set_tests_properties(${target} PROPERTIES ENVIRONMENT "${DRIFTER_WINE_ENVIRONMENT}" FIXTURES_REQUIRED wine
                       TIMEOUT 1800)
endfunction()

function(drifter_windows_finish)
  target_link_libraries(drifter_platform PUBLIC winmm)
  set(zip ${CMAKE_BINARY_DIR}/drifter-windows.zip)
  file(GLOB data CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/maps/*.map ${CMAKE_SOURCE_DIR}/Music/*.notes)
  add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:drifter> -DSTRIP=${CMAKE_STRIP}
            -DSOURCE=${CMAKE_SOURCE_DIR} -DSTAGE=${CMAKE_BINARY_DIR}/package
            -DZIP=${zip} -P ${CMAKE_SOURCE_DIR}/cmake/windows-package.cmake
    DEPENDS drifter ${data} ${CMAKE_SOURCE_DIR}/cmake/windows-package.cmake
            ${CMAKE_SOURCE_DIR}/cmake/windows-readme.txt ${CMAKE_SOURCE_DIR}/LICENSE
    COMMENT "Packing drifter-windows.zip"
    VERBATIM)
  add_custom_target(windows_zip ALL DEPENDS ${zip})
endfunction()
cmake_language(DEFER CALL drifter_windows_finish)
