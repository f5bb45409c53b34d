# The build tree is a portable program folder: the default data is copied
# beside the executables and every sub-folder the program expects exists.
set(LUDO_SUBFOLDERS SISTEMI COLONNE Schedine ARCHIVI QUADRI ArchivioGiocate Matrici Ridotti SFONDI WAV)
foreach(_dir IN LISTS LUDO_SUBFOLDERS)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/${_dir})
endforeach()
file(GLOB_RECURSE _ludo_data RELATIVE ${CMAKE_SOURCE_DIR}/data ${CMAKE_SOURCE_DIR}/data/*)
foreach(_f IN LISTS _ludo_data)
  configure_file(${CMAKE_SOURCE_DIR}/data/${_f} ${CMAKE_BINARY_DIR}/${_f} COPYONLY)
endforeach()
