# Packs the zip for Windows players: DRIFTER/ with drifter.exe, maps/, the
# note files of the music in Music/, LICENSE.txt and README.txt. Run by the
# Windows build with -P.
set(top ${STAGE}/DRIFTER)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${top}/maps ${top}/Music)

file(COPY ${EXE} DESTINATION ${top})
execute_process(COMMAND ${STRIP} ${top}/drifter.exe RESULT_VARIABLE stripped)
if(NOT stripped EQUAL 0)
  message(FATAL_ERROR "Could not strip drifter.exe")
endif()
file(GLOB maps ${SOURCE}/maps/*.map)
file(COPY ${maps} DESTINATION ${top}/maps)
file(GLOB tunes ${SOURCE}/Music/*.notes)
file(COPY ${tunes} DESTINATION ${top}/Music)
# Windows' own editors and the console show either line end; CR LF suits the oldest.
foreach(text cmake/windows-readme.txt:README.txt LICENSE:LICENSE.txt)
  string(REPLACE ":" ";" text ${text})
  list(GET text 0 from)
  list(GET text 1 to)
  file(READ ${SOURCE}/${from} contents)
  string(REPLACE "\n" "\r\n" contents "${contents}")
  file(WRITE ${top}/${to} "${contents}")
endforeach()

file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip DRIFTER WORKING_DIRECTORY ${STAGE}
                RESULT_VARIABLE packed)
if(NOT packed EQUAL 0)
  message(FATAL_ERROR "Could not write ${ZIP}")
endif()
