# Packs the zip for Windows players: DRIFTER/ with drifter.exe, maps/, Music/
# and README.txt. Run by the Windows build with -P.
set(top ${STAGE}/DRIFTER)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${top}/maps ${top}/Music)

file(GLOB tunes ${MUSIC}/*.wav)
list(LENGTH tunes count)
if(count LESS 5)
  message(FATAL_ERROR "The tunes are missing from ${MUSIC}: build the native `music` target first "
                      "(make windows does).")
endif()

file(COPY ${EXE} DESTINATION ${top})
execute_process(COMMAND ${STRIP} ${top}/drifter.exe RESULT_VARIABLE stripped)
if(NOT stripped EQUAL 0)
  message(FATAL_ERROR "Could not strip drifter.exe")
endif()
file(GLOB maps ${SOURCE}/maps/*.map)
file(COPY ${maps} DESTINATION ${top}/maps)
file(COPY ${tunes} DESTINATION ${top}/Music)
# Windows' own editors and the console show either line end; CR LF suits the oldest.
file(READ ${SOURCE}/cmake/windows-readme.txt readme)
string(REPLACE "\n" "\r\n" readme "${readme}")
file(WRITE ${top}/README.txt "${readme}")

file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip DRIFTER WORKING_DIRECTORY ${STAGE}
                RESULT_VARIABLE packed)
if(NOT packed EQUAL 0)
  message(FATAL_ERROR "Could not write ${ZIP}")
endif()
