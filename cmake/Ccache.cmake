# Compiles go through ccache when it is installed. The base folder makes the
# cached objects of one checkout serve every other checkout of the project,
# and the sloppiness lets precompiled headers be cached too.
find_program(LUDO_CCACHE ccache)
if(LUDO_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER
      ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
      CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      ${LUDO_CCACHE})
  # With debug information ccache also hashes the folder it compiles in, so
  # the sanitized builds of two checkouts never shared an object. Writing the
  # paths of the debug information relative to the checkout lets them share:
  # reports and debuggers then name files as ./src/... from the checkout.
  add_compile_options($<$<CONFIG:Debug,RelWithDebInfo>:-fdebug-prefix-map=${PROJECT_SOURCE_DIR}=.>)
endif()
