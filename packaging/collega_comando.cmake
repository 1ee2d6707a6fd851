# Run when installing, for the command ${solvintra_comando}: a relative link
# to the program in ${solvintra_cartella}, in games/ under the prefixes listed
# in ${solvintra_prefissi_giochi}, in bin/ under any other. Relative, so that a
# staged install (DESTDIR, the package) still leads to the right program.
cmake_path(SET prefisso NORMALIZE "${CMAKE_INSTALL_PREFIX}")
string(REGEX REPLACE "(.)/+$" "\\1" prefisso "${prefisso}")
# list(FIND), not IN_LIST: install scripts run without the project's policies.
list(FIND solvintra_prefissi_giochi "${prefisso}" indice)
if(indice GREATER_EQUAL 0)
    set(cartella_comandi "$ENV{DESTDIR}${prefisso}/games")
else()
    set(cartella_comandi "$ENV{DESTDIR}${prefisso}/bin")
endif()
set(comando "${cartella_comandi}/${solvintra_comando}")
set(destinazione "../${solvintra_cartella}/${solvintra_comando}")
# A folder made here gets the same mode under any umask; one that is there
# already is the system's, and is left as it is.
if(NOT EXISTS "${cartella_comandi}")
    file(MAKE_DIRECTORY "${cartella_comandi}")
    file(CHMOD "${cartella_comandi}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                                                        GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()
message(STATUS "Installing: ${comando} -> ${destinazione}")
file(CREATE_LINK "${destinazione}" "${comando}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${comando}")
