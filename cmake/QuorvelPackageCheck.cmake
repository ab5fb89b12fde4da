# Run by CPack after it has written the packages (CPACK_POST_BUILD_SCRIPTS), or as
#   cmake -DCPACK_PACKAGE_FILES=<file.deb>... -P QuorvelPackageCheck.cmake
# Refuses, and removes, a Debian package whose Depends field lacks a package that holds
# one of the Qt libraries its programs are linked against: without dpkg-shlibdeps
# (dpkg-dev) CPack writes such a package silently, and it cannot start on a machine
# without Qt.
cmake_minimum_required(VERSION 3.19)

function(quorvel_refuse_package package reason)
  file(REMOVE "${package}")
  message(FATAL_ERROR "${package}: ${reason}; the package was removed. "
                      "Install file and dpkg-dev (CPack needs dpkg-shlibdeps) and build it again.")
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  execute_process(COMMAND dpkg-deb --field "${package}" Depends
                  OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    quorvel_refuse_package("${package}" "dpkg-deb cannot read its Depends field")
  endif()
  # The package names alone: "libqt6core6 (>= 6.4.0), libc6 (>= 2.34) | foo" -> list.
  string(REGEX REPLACE "\\([^)]*\\)" "" names "${depends}")
  string(REGEX REPLACE "[ \t]" "" names "${names}")
  string(REGEX REPLACE "[,|]" ";" names "${names}")

  set(unpacked "${package}.check")
  file(REMOVE_RECURSE "${unpacked}")
  execute_process(COMMAND dpkg-deb --extract "${package}" "${unpacked}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    quorvel_refuse_package("${package}" "dpkg-deb cannot unpack it")
  endif()
  file(GLOB programs "${unpacked}/usr/bin/*")
  if(NOT programs)
    file(REMOVE_RECURSE "${unpacked}")
    quorvel_refuse_package("${package}" "it holds no program under /usr/bin")
  endif()

  set(qt_libraries "")
  foreach(program IN LISTS programs)
    execute_process(COMMAND readelf --dynamic "${program}" OUTPUT_VARIABLE dynamic
                    RESULT_VARIABLE result)
    string(REGEX MATCHALL "\\[libQt6[A-Za-z]*\\.so\\.6\\]" needed "${dynamic}")
    list(APPEND qt_libraries ${needed})
  endforeach()
  file(REMOVE_RECURSE "${unpacked}")
  list(TRANSFORM qt_libraries REPLACE "[][]" "")
  list(REMOVE_DUPLICATES qt_libraries)
  if(NOT qt_libraries)
    quorvel_refuse_package("${package}" "its programs name no Qt library (readelf failed?)")
  endif()

  foreach(library IN LISTS qt_libraries)
    execute_process(COMMAND dpkg-query --search "/usr/lib/*/${library}"
                    OUTPUT_VARIABLE owner OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE result)
    string(REGEX MATCH "^[^:]+" owner "${owner}")
    if(NOT result EQUAL 0 OR owner STREQUAL "")
      quorvel_refuse_package("${package}" "no installed package holds ${library}")
    endif()
    if(NOT owner IN_LIST names)
      quorvel_refuse_package("${package}"
                             "its Depends (${depends}) lack ${owner}, which holds ${library}")
    endif()
  endforeach()
  message(STATUS "${package}: Depends: ${depends}")
endforeach()
