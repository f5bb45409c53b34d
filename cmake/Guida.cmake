# The guide's pages (data/Guida) show the pictures of the windows drawn in
# docs/. Each picture a page names as "immagini/NAME.png" is copied from docs/
# into the guide of the build's program folder and installed with it, so
# that the pictures are kept once, in docs/.
file(GLOB _ludo_pagine_guida CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/Guida/*.html)
set(_ludo_immagini_guida)
foreach(_pagina IN LISTS _ludo_pagine_guida)
  file(STRINGS ${_pagina} _righe REGEX "src=\"immagini/[^\"]+\"")
  foreach(_riga IN LISTS _righe)
    string(REGEX MATCHALL "src=\"immagini/[^\"]+\"" _sorgenti "${_riga}")
    foreach(_sorgente IN LISTS _sorgenti)
      string(REGEX REPLACE "src=\"immagini/([^\"]+)\"" "\\1" _nome "${_sorgente}")
      list(APPEND _ludo_immagini_guida ${_nome})
    endforeach()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES _ludo_immagini_guida)
foreach(_nome IN LISTS _ludo_immagini_guida)
  if(NOT EXISTS ${CMAKE_SOURCE_DIR}/docs/${_nome})
    message(FATAL_ERROR "La guida mostra docs/${_nome}, che non esiste")
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/docs/${_nome} ${CMAKE_BINARY_DIR}/Guida/immagini/${_nome} COPYONLY)
  install(FILES ${CMAKE_SOURCE_DIR}/docs/${_nome} DESTINATION ${CMAKE_INSTALL_DATADIR}/ludomatic/Guida/immagini)
endforeach()
