# Runs the built program as a user would: a file with a Japanese name on the command
# line, standard output taken byte for byte (no line-end translation on Windows).
# Variables: DVK (the program), EMULATOR (empty on the host), INPUT, EXPECTED, WORK, VERSION
# (the project's).

function(run_dvk)
    execute_process(COMMAND ${EMULATOR} ${DVK} ${ARGN}
        OUTPUT_FILE ${WORK}/out ERROR_VARIABLE err RESULT_VARIABLE code)
    file(READ ${WORK}/out out)
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
    set(code "${code}" PARENT_SCOPE)
endfunction()

# expect(MESSAGE CONDITION...): the condition in if() syntax.
function(expect message)
    if(NOT (${ARGN}))
        message(FATAL_ERROR "${message}\nexit code: ${code}\nstdout: ${out}\nstderr: ${err}")
    endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(file "${WORK}/アイテム.dvk")
file(COPY_FILE ${INPUT} ${file})

run_dvk(fmt ${file})
expect("fmt failed" code EQUAL 0)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/out ${EXPECTED}
    RESULT_VARIABLE differ)
expect("fmt did not write the expected bytes" NOT differ)
string(FIND "${err}" "アイテム.dvk:6: not a value line: bad line" found)
expect("fmt did not name the dropped line by the file's name" found GREATER -1)

run_dvk(get ${file} 名前)
expect("get failed" code EQUAL 0)
expect("get printed other bytes" out STREQUAL "$メモ\tテキスト\n")

run_dvk(frobnicate)
expect("an unknown command did not give exit code 2" code EQUAL 2)

run_dvk(--version)
expect("--version did not print the project's version" code EQUAL 0 AND out STREQUAL "dvk ${VERSION}\n")
