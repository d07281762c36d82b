# cmake -DLIBRARY=... -P exported-symbols.cmake
# The shipped library exports its classes and nothing of its internal helpers.
execute_process(COMMAND nm -DC --defined-only ${LIBRARY} OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "nm could not read ${LIBRARY}")
endif()
foreach(wanted "CorvadQt5::Common::uidByName" "CorvadQt5::Common::ptr()" "CorvadQt5::PluginManager::release()"
               "CorvadQt5::ElementSelectDialog::ElementSelectDialog")
    string(FIND "${symbols}" "${wanted}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "not exported: ${wanted}")
    endif()
endforeach()
foreach(internal "CorvadQt5::Accounts::" "CorvadQt5::FixedPaths::" "CorvadQt5::ScreenPlacement::"
                 "CorvadQt5::CredentialsForm" "CorvadQt5::inspectElf"
                 "CorvadQt5::CheckedLibrary")
    string(FIND "${symbols}" "${internal}" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "internal helper exported: ${internal}")
    endif()
endforeach()
# Nothing outside the namespace: a standard-library template instantiated by the library
# would otherwise join its ABI.
string(REGEX REPLACE "\n$" "" symbols "${symbols}")
string(REPLACE "\n" ";" lines "${symbols}")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[0-9a-f]+ [A-Za-z] " "" name "${line}")
    if(NOT name MATCHES "^((vtable|typeinfo|typeinfo name) for |non-virtual thunk to )?CorvadQt5::")
        message(FATAL_ERROR "exported outside the namespace: ${name}")
    endif()
endforeach()
