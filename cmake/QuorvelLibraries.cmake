# Each library publishes only its own folder of headers. The sources include headers as
# "engine/Engine.h", so a library's include root is a folder of the build tree holding
# one link, named after the library's source folder, to that folder. A library then sees
# its own headers and those of the libraries it links, and a header of a layer above it
# is not found: the layering is checked by the compiler.
function(quorvel_publish_headers target folder)
  set(root ${PROJECT_BINARY_DIR}/include-roots/${target})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
  else()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  endif()
endfunction()

# Adds a compile option to a target only where the compiler accepts it.
include(CheckCXXCompilerFlag)
function(quorvel_optional_compile_option target visibility flag)
  string(MAKE_C_IDENTIFIER "QUORVEL_HAS${flag}" result)
  check_cxx_compiler_flag(${flag} ${result})
  if(${result})
    target_compile_options(${target} ${visibility} ${flag})
  endif()
endfunction()
