# How the build is made fast, kept apart from what it builds.
#
# The Qt headers are parsed once per tree: every target that uses Qt reuses
# one precompiled header. GCC accepts a precompiled header only where it was
# made with the same code model, so executables (-fPIE) and libraries (-fPIC)
# each have their own. Qt Test stays out: it reads macros that Qt defines
# differently for every test target, and GCC refuses the header for them.

set(SOLVINTRA_INTESTAZIONI_QT <QtWidgets/QtWidgets> <QtCore/QtEndian>)

# All targets defined under `cartella` and its subfolders, into `risultato`.
function(solvintra_raccogli_bersagli cartella risultato)
    get_property(bersagli DIRECTORY ${cartella} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(sottocartelle DIRECTORY ${cartella} PROPERTY SUBDIRECTORIES)
    foreach(sotto IN LISTS sottocartelle)
        solvintra_raccogli_bersagli(${sotto} altri)
        list(APPEND bersagli ${altri})
    endforeach()
    set(${risultato} ${bersagli} PARENT_SCOPE)
endfunction()

# Whether `bersaglio` reaches Qt through what it links, directly or through
# our own libraries.
function(solvintra_usa_qt bersaglio risultato)
    set(visti ${bersaglio})
    set(da_vedere ${bersaglio})
    while(da_vedere)
        list(POP_FRONT da_vedere corrente)
        set(collegati)
        if(corrente STREQUAL bersaglio)
            get_target_property(collegati ${corrente} LINK_LIBRARIES)
        endif()
        get_target_property(interfaccia ${corrente} INTERFACE_LINK_LIBRARIES)
        list(APPEND collegati ${interfaccia})
        foreach(voce IN LISTS collegati)
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" voce "${voce}")
            if(voce MATCHES "^Qt6::")
                set(${risultato} TRUE PARENT_SCOPE)
                return()
            endif()
            if(TARGET ${voce} AND NOT voce IN_LIST visti)
                list(APPEND visti ${voce})
                list(APPEND da_vedere ${voce})
            endif()
        endforeach()
    endwhile()
    set(${risultato} FALSE PARENT_SCOPE)
endfunction()

# Gives every Qt target of the project the shared precompiled Qt headers.
function(solvintra_intestazioni_precompilate)
    set(sorgente ${CMAKE_BINARY_DIR}/intestazioni_qt.cpp)
    file(CONFIGURE OUTPUT ${sorgente} CONTENT "int main() { return 0; }\n")
    add_library(intestazioni_qt_librerie STATIC ${sorgente})
    add_executable(intestazioni_qt_eseguibili ${sorgente})
    foreach(base intestazioni_qt_librerie intestazioni_qt_eseguibili)
        target_link_libraries(${base} PRIVATE Qt6::Widgets)
        target_precompile_headers(${base} PRIVATE ${SOLVINTRA_INTESTAZIONI_QT})
        set_target_properties(${base} PROPERTIES POSITION_INDEPENDENT_CODE ON)
        solvintra_flags(${base})
    endforeach()

    solvintra_raccogli_bersagli(${CMAKE_SOURCE_DIR} bersagli)
    foreach(bersaglio IN LISTS bersagli)
        get_target_property(tipo ${bersaglio} TYPE)
        if(bersaglio MATCHES "^intestazioni_qt_" OR
           NOT tipo MATCHES "^(EXECUTABLE|STATIC_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
            continue()
        endif()
        # Only targets with our own flags: the header must be made as they are compiled.
        get_target_property(opzioni ${bersaglio} COMPILE_OPTIONS)
        solvintra_usa_qt(${bersaglio} usa_qt)
        if(NOT usa_qt OR NOT "-Wpedantic" IN_LIST opzioni)
            continue()
        endif()
        if(tipo STREQUAL "EXECUTABLE")
            target_precompile_headers(${bersaglio} REUSE_FROM intestazioni_qt_eseguibili)
        else()
            set_target_properties(${bersaglio} PROPERTIES POSITION_INDEPENDENT_CODE ON)
            target_precompile_headers(${bersaglio} REUSE_FROM intestazioni_qt_librerie)
        endif()
    endforeach()
endfunction()
