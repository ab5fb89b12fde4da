# Each library publishes only its own folder of headers. The sources include headers as
# "engine/Engine.h" or "chart/widget/TChart.h", so a library's include root is a folder
# of the build tree holding one link, named after the library's folder under src/, to
# that folder. A library then sees its own headers and those of the libraries it links,
# and a header of a layer above it is not found: the layering is checked by the compiler.
#   quorvel_publish_headers(target folder [HIDING subfolder...] [FROM source-folder])
# FROM defaults to the calling CMakeLists' folder. HIDING leaves out sub-folders that are
# libraries of their own (the chart's widget), linking the folder's other entries one
# by one, so that the library does not see the layer built on it.
function(quorvel_publish_headers target folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "FROM" "HIDING")
  if(NOT arg_FROM)
    set(arg_FROM ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  set(root ${PROJECT_BINARY_DIR}/include-roots/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(arg_HIDING)
    file(MAKE_DIRECTORY ${root}/${folder})
    file(GLOB entries LIST_DIRECTORIES true CONFIGURE_DEPENDS ${arg_FROM}/*)
    foreach(entry IN LISTS entries)
      get_filename_component(name ${entry} NAME)
      if(NOT name IN_LIST arg_HIDING AND NOT EXISTS ${root}/${folder}/${name})
        file(CREATE_LINK ${entry} ${root}/${folder}/${name} SYMBOLIC)
      endif()
    endforeach()
  elseif(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${arg_FROM} ${root}/${folder} SYMBOLIC)
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
