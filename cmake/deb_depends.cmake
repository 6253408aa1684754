# Read by cpack before it packs: Depends from dpkg-shlibdeps for the program
# and its click module, plus the packages loaded at run time.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
# dpkg-shlibdeps wants to be run from a source package's top folder.
set(work "${CPACK_PACKAGE_DIRECTORY}/_shlibdeps")
file(MAKE_DIRECTORY "${work}/debian")
file(WRITE "${work}/debian/control" "Source: numbers3\n\nPackage: numbers3\nArchitecture: any\n")
set(args)
foreach(file IN LISTS NUMBERS_SHLIBDEPS_FILES)
    list(APPEND args "-e${file}")
endforeach()
execute_process(COMMAND dpkg-shlibdeps -O ${args}
    WORKING_DIRECTORY "${work}" OUTPUT_VARIABLE out RESULT_VARIABLE status
    ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT out MATCHES "^shlibs:Depends=")
    message(FATAL_ERROR "dpkg-shlibdeps failed: ${errors}")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" out "${out}")
string(STRIP "${out}" out)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${out}, ${NUMBERS_EXTRA_DEPENDS}")
file(REMOVE_RECURSE "${work}")
