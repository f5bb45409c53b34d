# The layers of the program and the floors of the core, checked at configure
# time (included from the top-level list) and again as a test (cmake -P):
#  - every quoted include names its layer: "core/…", "ui/…" or "cli/…"
#    (uic's generated "ui_….h" aside);
#  - the core includes no Qt header and nothing of ui/ or cli/; cli/
#    includes nothing of ui/;
#  - a folder of the core includes no folder above it. The floors go from
#    the bottom up; a folder may use its own floor and every floor below.
if(NOT DEFINED LUDO_SRC_DIR)
  set(LUDO_SRC_DIR ${CMAKE_CURRENT_LIST_DIR}/../src)
endif()
set(_ludo_floors io columns contests conditions archive system engine statistics checking
    coltools printing update)

set(_ludo_faults "")
file(GLOB_RECURSE _ludo_files ${LUDO_SRC_DIR}/*.h ${LUDO_SRC_DIR}/*.cpp)
foreach(_f IN LISTS _ludo_files)
  file(RELATIVE_PATH _rel ${LUDO_SRC_DIR} ${_f})
  string(REGEX MATCH "^[^/]+" _layer "${_rel}")
  set(_floor -1)
  if(_layer STREQUAL "core")
    string(REGEX REPLACE "^core/([^/]+)/.*" "\\1" _folder "${_rel}")
    list(FIND _ludo_floors "${_folder}" _floor)
    if(_floor EQUAL -1)
      list(APPEND _ludo_faults "${_rel}: core/${_folder} is not among the floors of the core")
    endif()
  endif()
  file(STRINGS ${_f} _includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(_line IN LISTS _includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" _inc "${_line}")
    if(_line MATCHES "include[ \t]*\"")
      if(NOT _inc MATCHES "^(core|ui|cli)/" AND NOT _inc MATCHES "^ui_[A-Za-z0-9_]+\\.h$")
        list(APPEND _ludo_faults "${_rel}: \"${_inc}\" does not name its layer")
      endif()
    endif()
    if(_layer STREQUAL "core")
      if(_inc MATCHES "^Q[A-Za-z]" OR _inc MATCHES "^(ui|cli)/")
        list(APPEND _ludo_faults "${_rel}: the core includes ${_inc}")
      elseif(_inc MATCHES "^core/([^/]+)/" AND NOT _floor EQUAL -1)
        list(FIND _ludo_floors "${CMAKE_MATCH_1}" _their)
        if(_their GREATER _floor)
          list(APPEND _ludo_faults "${_rel}: core/${_folder} includes ${_inc} from a floor above")
        endif()
      endif()
    elseif(_layer STREQUAL "cli" AND _inc MATCHES "^ui/")
      list(APPEND _ludo_faults "${_rel}: the command line includes ${_inc}")
    endif()
  endforeach()
endforeach()

if(_ludo_faults)
  list(JOIN _ludo_faults "\n  " _ludo_text)
  message(FATAL_ERROR "Layer rules broken:\n  ${_ludo_text}")
endif()
