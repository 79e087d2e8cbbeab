cmake_minimum_required(VERSION 3.16)
# Builds the three outputs of the examples with lumo and reads them back with lumo dump.
# Called with -DLUMO=... -DEXAMPLES=... -DOUT=...
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")

function(lumo)
    execute_process(COMMAND "${LUMO}" ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
        ERROR_VARIABLE err)
    if(status)
        message(FATAL_ERROR "lumo ${ARGN}: exit ${status}\n${err}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

function(expect text)
    foreach(line ${ARGN})
        string(FIND "${text}" "${line}\n" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "missing line '${line}' in:\n${text}")
        endif()
    endforeach()
endfunction()

lumo(zaf "${EXAMPLES}/zaf/lumo.prozaf" -o "${OUT}/icons.ZAF")
lumo(dump "${OUT}/icons.ZAF")
expect("${output}" "format zaf" "header.fonts 3" "font[0].chars 8" "font[2].secury 0x00"
    "font[2].chars 8")
string(REGEX MATCHALL "char\\[0x3[0-7]\\]" characters "${output}")
list(LENGTH characters count)
if(NOT count EQUAL 24)
    message(FATAL_ERROR "expected 24 characters keyed 0x30 ... 0x37, found ${count}")
endif()

lumo(hmi "${EXAMPLES}/touch/LMprj.hmi" -o "${OUT}/HmiConfig.bin")
lumo(dump "${OUT}/HmiConfig.bin")
expect("${output}" "format hmi" "records 5"
    "record[0] page=0 left=40 top=180 right=219 bottom=239 picNum=1 catoonNum=3 commond=0x0101")
file(READ "${OUT}/HmiConfig.bin" built HEX)
file(READ "${EXAMPLES}/kpx/13.bin" shipped HEX)
if(NOT built STREQUAL shipped)
    message(FATAL_ERROR "examples/kpx/13.bin is not the touch example's device file")
endif()

lumo(kpx --touch "${EXAMPLES}/kpx/13.bin" --var "${EXAMPLES}/kpx/14.bin"
    --time 2026-12-10T12:00:00 -o "${OUT}/start.KPX")
lumo(dump "${OUT}/start.KPX")
expect("${output}" "format kpx" "header.highest_page 2" "page[0].variable_records 2"
    "page[0].touch_records 2" "page[2].touch_records 1")
file(REMOVE_RECURSE "${OUT}")
