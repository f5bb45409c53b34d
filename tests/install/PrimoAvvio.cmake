# An installed ludomatic-cli on an account where nothing ran before: the
# tree is installed into a fresh prefix, HOME and XDG_DATA_HOME point into a
# fresh folder, and the first command must find its program folder seeded
# from <prefix>/share/ludomatic, as the desktop program's first start does.
# Run with -DLUDO_BUILD_DIR=<build tree>.
string(RANDOM LENGTH 10 _caso)
set(_radice "$ENV{TMPDIR}")
if(NOT _radice)
  set(_radice /tmp)
endif()
set(_radice "${_radice}/ludo-installata-${_caso}")
set(_prefisso "${_radice}/prefisso")
set(ENV{HOME} "${_radice}/casa")
set(ENV{XDG_DATA_HOME} "${_radice}/casa/dati")
set(_cartella "$ENV{XDG_DATA_HOME}/Ludomatic")
file(MAKE_DIRECTORY "$ENV{HOME}")

function(fallisci messaggio)
  file(REMOVE_RECURSE "${_radice}")
  message(FATAL_ERROR "${messaggio}")
endfunction()

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${LUDO_BUILD_DIR}" --prefix "${_prefisso}"
                RESULT_VARIABLE _esito OUTPUT_QUIET ERROR_VARIABLE _errore)
if(NOT _esito EQUAL 0)
  fallisci("cmake --install failed: ${_errore}")
endif()

# Asking for the version touches no folder.
execute_process(COMMAND "${_prefisso}/bin/ludomatic-cli" --version RESULT_VARIABLE _esito OUTPUT_QUIET)
if(NOT _esito EQUAL 0 OR EXISTS "${_cartella}")
  fallisci("--version failed or created ${_cartella}")
endif()

execute_process(COMMAND "${_prefisso}/bin/ludomatic-cli" archivio
                RESULT_VARIABLE _esito OUTPUT_VARIABLE _uscita ERROR_VARIABLE _errore)
if(NOT _esito EQUAL 0 OR NOT _uscita MATCHES "^\\{\"concorsi\":\\[\\{\"anno\":")
  fallisci("the first archivio gave ${_esito}: ${_uscita}${_errore}")
endif()
foreach(_voce ARCHIVI/archivio.ttg Schedine/ultimasch.gsc SquadrA.Txt SISTEMI COLONNE QUADRI ArchivioGiocate WAV)
  if(NOT EXISTS "${_cartella}/${_voce}")
    fallisci("${_cartella}/${_voce} is missing after the first command")
  endif()
endforeach()

file(REMOVE_RECURSE "${_radice}")
