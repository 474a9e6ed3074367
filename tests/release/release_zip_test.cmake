# The release zip holds exactly the files a user gets, under one folder, and unpacks with
# them intact. Variables: ZIP, TOP (the folder inside), UNPACK (the folder it goes into).

execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP}
    OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot list ${ZIP}: ${failed}")
endif()
string(REPLACE "\n" ";" entries "${listing}")
# Folders are listed as entries of their own, ending in a slash.
list(FILTER entries EXCLUDE REGEX "(^|/)$")
list(SORT entries)

set(expected LICENSE README.txt dvk.exe help/help.hta plugin/Hooker.dll plugin/README.txt
    resource/README.txt resource/file.ico resource/folder.ico resource/multi.ico
    resource/tasktray.ico resource/tavrin.ico resource/uri.ico static.dvk tavrin.exe)
list(TRANSFORM expected PREPEND ${TOP}/)
list(SORT expected)
if(NOT entries STREQUAL expected)
    string(REPLACE ";" "\n  " entries "${entries}")
    string(REPLACE ";" "\n  " expected "${expected}")
    message(FATAL_ERROR "the zip holds\n  ${entries}\ninstead of\n  ${expected}")
endif()

file(REMOVE_RECURSE ${UNPACK})
file(MAKE_DIRECTORY ${UNPACK})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${UNPACK}
    RESULT_VARIABLE failed)
if(failed OR NOT EXISTS "${UNPACK}/${TOP}/tavrin.exe")
    message(FATAL_ERROR "cannot unpack ${ZIP} into ${UNPACK}: ${failed}")
endif()
