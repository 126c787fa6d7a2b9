# What differs when the game is built for a browser page with Emscripten
# (emcmake cmake, as `make web` does): the platform layer's sources, the link
# options of the WebAssembly program, and the folder of the page, site/, which
# any static web server can serve as it is.

if(NOT EMSCRIPTEN)
  # The page's host needs Emscripten.
  string(APPEND DRIFTER_OTHER_PLATFORM_SOURCES "|platform/web_(host|sound|tune_cache)\\.cpp$")
  return()
endif()

# The page is the terminal, the keyboard and the sound device here.
set(DRIFTER_OTHER_PLATFORM_SOURCES
    "platform/(terminal|terminal_host|pseudo_terminal|sdl_sound|tune_cache|windows_(console|host|sound|durable_file|interruption))\\.cpp$")
# The game ends its menus and reports its errors with exceptions.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

set(DRIFTER_SITE ${CMAKE_BINARY_DIR}/site)
set(DRIFTER_WEB_SOURCES ${CMAKE_SOURCE_DIR}/tools/web)

function(drifter_web_finish)
  set_target_properties(drifter PROPERTIES OUTPUT_NAME drifter SUFFIX .js
                        RUNTIME_OUTPUT_DIRECTORY ${DRIFTER_SITE})
  file(GLOB maps CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/maps/*.map)
  target_link_options(drifter PRIVATE
    # The game's waits sleep on the page's timers: its loops stay as they are.
    -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536
    # Optimized for size at the link too, where Asyncify's pass runs.
    -Os
    -sALLOW_MEMORY_GROWTH -sENVIRONMENT=web -sEXIT_RUNTIME=0
    -sEXPORTED_RUNTIME_METHODS=[] -lidbfs.js
    --pre-js ${DRIFTER_WEB_SOURCES}/saves.js
    --preload-file ${CMAKE_SOURCE_DIR}/maps@/maps --exclude-file "*/src")
  set_property(TARGET drifter APPEND PROPERTY LINK_DEPENDS ${DRIFTER_WEB_SOURCES}/saves.js ${maps})
  # The page around the program.
  set(page)
  # The footer's link to the project; by default the README beside the page.
  set(DRIFTER_PROJECT_URL about.txt CACHE STRING "Where the page's footer links to")
  configure_file(${DRIFTER_WEB_SOURCES}/index.html ${DRIFTER_SITE}/index.html @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/README.md ${DRIFTER_SITE}/about.txt COPYONLY)
  # The synthesizer, for the page's music worker; the tunes' note files
  # beside it, named in lower case as the game asks for them.
  add_executable(drifter_music ${DRIFTER_WEB_SOURCES}/music_worker.cpp)
  target_link_libraries(drifter_music PRIVATE music_maker)
  set_target_properties(drifter_music PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${DRIFTER_SITE})
  target_link_options(drifter_music PRIVATE -Os -sENVIRONMENT=worker -sALLOW_MEMORY_GROWTH
    -sEXPORTED_FUNCTIONS=[_renderTune,_tuneLeft,_tuneRight,_tuneRate] -sEXPORTED_RUNTIME_METHODS=[ccall])
  set(tunes)
  foreach(tune finaldeposit moody2 battle Wolfman brighter)
    string(TOLOWER ${tune} name)
    add_custom_command(OUTPUT ${DRIFTER_SITE}/Music/${name}.notes
      COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/Music/${tune}.notes ${DRIFTER_SITE}/Music/${name}.notes
      DEPENDS ${CMAKE_SOURCE_DIR}/Music/${tune}.notes VERBATIM)
    list(APPEND tunes ${DRIFTER_SITE}/Music/${name}.notes)
  endforeach()
  foreach(file page.js page.css music_worker.js)
    add_custom_command(OUTPUT ${DRIFTER_SITE}/${file}
      COMMAND ${CMAKE_COMMAND} -E copy ${DRIFTER_WEB_SOURCES}/${file} ${DRIFTER_SITE}/${file}
      DEPENDS ${DRIFTER_WEB_SOURCES}/${file} VERBATIM)
    list(APPEND page ${DRIFTER_SITE}/${file})
  endforeach()
  add_custom_target(web_site ALL DEPENDS drifter drifter_music ${page} ${tunes})
endfunction()
cmake_language(DEFER CALL drifter_web_finish)
