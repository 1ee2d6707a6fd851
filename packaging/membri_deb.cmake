# Run by cpack once the package is made. CPack gives the package's own
# members (debian-binary, control.tar.gz, data.tar.gz) the modes that the
# umask gave their temporary files; ar in deterministic mode writes them again,
# in the same order, as rw-r--r-- files of root dated 0.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(membri "${deb}.membri")
    file(REMOVE_RECURSE "${membri}")
    file(MAKE_DIRECTORY "${membri}")
    execute_process(COMMAND "${CPACK_SOLVINTRA_AR}" t "${deb}"
                    OUTPUT_VARIABLE elenco OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" ";" elenco "${elenco}")
    execute_process(COMMAND "${CPACK_SOLVINTRA_AR}" x "${deb}"
                    WORKING_DIRECTORY "${membri}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${deb}")
    execute_process(COMMAND "${CPACK_SOLVINTRA_AR}" rcD "${deb}" ${elenco}
                    WORKING_DIRECTORY "${membri}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${membri}")
endforeach()
