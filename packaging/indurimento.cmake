# Debian's hardening for the optimised build types, the ones packages are made
# from (Debian's compiler makes position-independent executables by itself):
# the flags of dpkg-buildflags where it is installed, with every hardening
# feature on (immediate binding is off by default), else the same ones as
# Debian 12 gives them. Its optimisation and debug levels are left to the
# build type. Its path mapping is replaced by ours, which also maps the build
# folder, so that a clone at another path gives the same bytes.

set(SOLVINTRA_INDURIMENTO_PREDEFINITO
    CPPFLAGS "-Wdate-time -D_FORTIFY_SOURCE=2"
    CXXFLAGS "-fstack-protector-strong -Wformat -Werror=format-security"
    LDFLAGS "-Wl,-z,relro -Wl,-z,now")
find_program(DPKG_BUILDFLAGS dpkg-buildflags)

# Sets `risultato` to the flags of the kind `tipo` (CPPFLAGS, CXXFLAGS or
# LDFLAGS) as a list, less those the build type or we choose.
function(solvintra_flag_debian tipo risultato)
    if(DPKG_BUILDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                                ${DPKG_BUILDFLAGS} --get ${tipo}
                        OUTPUT_VARIABLE testo OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
    else()
        cmake_parse_arguments(P "" "${tipo}" "" ${SOLVINTRA_INDURIMENTO_PREDEFINITO})
        set(testo "${P_${tipo}}")
    endif()
    separate_arguments(flag UNIX_COMMAND "${testo}")
    list(FILTER flag EXCLUDE REGEX "^-(O|g|f(file|debug|macro)-prefix-map=)")
    set(${risultato} ${flag} PARENT_SCOPE)
endfunction()

solvintra_flag_debian(CPPFLAGS preprocessore)
solvintra_flag_debian(CXXFLAGS compilatore)
solvintra_flag_debian(LDFLAGS collegatore)
# Stack-clash protection, which Debian 12's dpkg-buildflags does not give yet
# and Debian 13's does, when the compiler has it. Control-flow protection only
# where dpkg-buildflags gives it (Debian 13): the C library's start files
# (Scrt1.o) of Debian 12 and 13 lack its marking, so no program linked here
# carries it.
include(CheckCXXCompilerFlag)
check_cxx_compiler_flag(-fstack-clash-protection SOLVINTRA_HA_STACK_CLASH)
if(SOLVINTRA_HA_STACK_CLASH AND NOT "-fstack-clash-protection" IN_LIST compilatore)
    list(APPEND compilatore -fstack-clash-protection)
endif()
# A packager's own flags (CXXFLAGS and LDFLAGS, from dpkg-buildflags) already
# carry most of these: each is given once, and a macro the caller defines
# keeps the caller's value (_FORTIFY_SOURCE=3 against our 2).
string(TOUPPER "${CMAKE_BUILD_TYPE}" tipo)
separate_arguments(flag_chiamante UNIX_COMMAND "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${tipo}}")
separate_arguments(collega_chiamante UNIX_COMMAND "${CMAKE_EXE_LINKER_FLAGS}")
list(TRANSFORM flag_chiamante REPLACE "^(-D[^=]+)=.*" "\\1=" OUTPUT_VARIABLE macro_chiamante)
foreach(lista preprocessore compilatore collegatore)
    set(tenuti "")
    foreach(flag IN LISTS ${lista})
        string(REGEX REPLACE "^(-D[^=]+)=.*" "\\1=" macro "${flag}")
        if(NOT flag IN_LIST flag_chiamante AND NOT flag IN_LIST collega_chiamante
           AND NOT macro IN_LIST macro_chiamante)
            list(APPEND tenuti ${flag})
        endif()
    endforeach()
    set(${lista} ${tenuti})
endforeach()
# The more specific path last, which the compiler tries first: a build folder
# inside the sources is named by its own mapping.
set(SOLVINTRA_INDURIMENTO_COMPILA ${preprocessore} ${compilatore}
    -ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
set(SOLVINTRA_INDURIMENTO_COLLEGA ${collegatore})
set(SOLVINTRA_CONFIGURAZIONI_OTTIMIZZATE Release,RelWithDebInfo,MinSizeRel)

function(solvintra_indurisci target)
    set(ottimizzata "$<CONFIG:${SOLVINTRA_CONFIGURAZIONI_OTTIMIZZATE}>")
    target_compile_options(${target} INTERFACE "$<${ottimizzata}:${SOLVINTRA_INDURIMENTO_COMPILA}>")
    target_link_options(${target} INTERFACE "$<${ottimizzata}:${SOLVINTRA_INDURIMENTO_COLLEGA}>")
endfunction()
