# Warnings are errors for the project's own code; third-party headers
# (Qt, GoogleTest, Benchmark) come in as system includes and stay quiet.
function(ludo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports impossible overlaps and overflows inside std::string and
    # std::vector at -O2 and above (GCC bugs 105329, 106199, 105651), more often
    # when they come from a precompiled header; noise there.
    target_compile_options(${target} PRIVATE -Wno-restrict -Wno-stringop-overflow -Wno-array-bounds)
  endif()
endfunction()
