# Every target of the project is compiled with the same warnings; helper below applies them.
function(velundia_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
endfunction()

# A static library of one layer: sources given, headers included from the source root.
function(velundia_layer target)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  velundia_warnings(${target})
endfunction()
