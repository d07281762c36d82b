# cmake -DCRAFTELF=... -DPLUGININFO=... -DDIR=... -P crafted.cmake
# Each crafted file is refused by corvad-qt5-plugininfo within a second, for the rule it breaks.
file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})
file(CHMOD ${DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
execute_process(COMMAND ${CRAFTELF} ${DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "craftelf failed")
endif()
file(STRINGS ${DIR}/rules rules)
foreach(line IN LISTS rules)
    string(REPLACE "\t" ";" fields "${line}")
    list(GET fields 0 name)
    list(GET fields 1 rule)
    execute_process(COMMAND ${PLUGININFO} ${DIR}/${name} TIMEOUT 1
        OUTPUT_VARIABLE output RESULT_VARIABLE result)
    string(FIND "${output}" "not taken: " refused)
    string(FIND "${output}" "${rule}" said)
    if(NOT result EQUAL 1 OR refused EQUAL -1 OR said EQUAL -1)
        message(FATAL_ERROR "${name}: expected a refusal for '${rule}', got (${result}):\n${output}")
    endif()
    message(STATUS "${name}: ${rule}")
endforeach()
