# Lists the defined dynamic symbols of LIB and compares them with the
# sixteen exports of TKCom1.
execute_process(COMMAND nm -D --defined-only ${LIB} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIB}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${out}")
set(found "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^[0-9a-fA-F]* *[A-Za-z] +" "" name "${line}")
  list(APPEND found ${name})
endforeach()
list(SORT found)
set(expected TKCloseComm TKFlushComm TKGetBaseData TKGetData TKGetData30 TKGetInfo TKGetROM
    TKGetSaveData TKGetSecondByValue TKGetStatus TKOpenComm TKPutROM TKPutROM_Start TKReadComm
    TKSetStatus TKWriteComm)
list(SORT expected)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "exports differ:\n found:    ${found}\n expected: ${expected}")
endif()
