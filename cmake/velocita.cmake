# How the build is made fast, kept apart from what it builds.
#
# The Qt headers are parsed once per tree: every target that uses Qt reuses
# one precompiled header. GCC takes it only where it was made with the same
# code model and the same Qt module macros: Qt compiles every target of its
# users with -fPIC, and a base for each module gives the macros.
# Qt Test stays out: it reads macros that Qt defines differently for every
# test target, and GCC refuses the header for them.

set(SOLVINTRA_INTESTAZIONI_Widgets <QtWidgets/QtWidgets> <QtCore/QtEndian>)
set(SOLVINTRA_INTESTAZIONI_Gui <QtGui/QtGui> <QtCore/QtEndian>)

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

# The widest Qt module whose headers `bersaglio` compiles with, Widgets or Gui,
# through what it links directly or through our own libraries; empty for
# none or Qt Core alone. What a library links privately reaches its users'
# linking only, not their compiling, so it does not count.
function(solvintra_modulo_qt bersaglio risultato)
    set(visti ${bersaglio})
    set(da_vedere ${bersaglio})
    set(moduli)
    while(da_vedere)
        list(POP_FRONT da_vedere corrente)
        set(collegati)
        if(corrente STREQUAL bersaglio)
            get_target_property(collegati ${corrente} LINK_LIBRARIES)
        endif()
        get_target_property(interfaccia ${corrente} INTERFACE_LINK_LIBRARIES)
        list(APPEND collegati ${interfaccia})
        foreach(voce IN LISTS collegati)
            if(voce MATCHES "^Qt6::(.*)$")
                list(APPEND moduli ${CMAKE_MATCH_1})
            elseif(TARGET ${voce} AND NOT voce IN_LIST visti)
                list(APPEND visti ${voce})
                list(APPEND da_vedere ${voce})
            endif()
        endforeach()
    endwhile()
    set(${risultato} "" PARENT_SCOPE)
    foreach(modulo Widgets Gui)
        if(modulo IN_LIST moduli)
            set(${risultato} ${modulo} PARENT_SCOPE)
            return()
        endif()
    endforeach()
endfunction()

# Gives every Qt target of the project the shared precompiled Qt headers,
# one base for each of the two modules.
function(solvintra_intestazioni_precompilate)
    foreach(modulo Widgets Gui)
        set(sorgente ${CMAKE_BINARY_DIR}/intestazioni_qt.cpp)
        file(CONFIGURE OUTPUT ${sorgente} CONTENT "// The precompiled Qt headers only.\n")
        add_library(intestazioni_qt_${modulo} STATIC ${sorgente})
        target_link_libraries(intestazioni_qt_${modulo} PRIVATE Qt6::${modulo})
        target_precompile_headers(intestazioni_qt_${modulo} PRIVATE ${SOLVINTRA_INTESTAZIONI_${modulo}})
        solvintra_flags(intestazioni_qt_${modulo})
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
        solvintra_modulo_qt(${bersaglio} modulo)
        if(modulo AND "-Wpedantic" IN_LIST opzioni)
            target_precompile_headers(${bersaglio} REUSE_FROM intestazioni_qt_${modulo})
        endif()
    endforeach()
endfunction()
