# SPDX-License-Identifier: MIT
# The one source of the program's version information. Every window title and
# caption that names the product, its owner or its web site reads these
# values at run time; configure with other values to relabel the program.
set(TINTORA_PRODUCT_NAME "Tintora" CACHE STRING "ProductName of the version information")
set(TINTORA_COMPANY_NAME "VarnholtSoftware" CACHE STRING "CompanyName of the version information")
set(TINTORA_COMMENTS "www.varnholtsoftware.example" CACHE STRING "Comments of the version information: the web site, a host name without scheme")
set(TINTORA_VERSION_MAJOR 2 CACHE STRING "Major version")
set(TINTORA_VERSION_MINOR 0 CACHE STRING "Minor version")
set(TINTORA_VERSION_PATCH 0 CACHE STRING "Patch version")
set(TINTORA_VERSION_BUILD 0 CACHE STRING "Build number")

# tintora_branding_library(TARGET PRODUCT p COMPANY c COMMENTS w MAJOR n MINOR n [PATCH n] [BUILD n])
# Generates an object library that defines the program's version information
# and the branding functions that read it.
# The libraries of the program only declare it; each executable links exactly
# one branding library, which is how a test relabels every window.
function(tintora_branding_library target)
  cmake_parse_arguments(B "" "PRODUCT;COMPANY;COMMENTS;MAJOR;MINOR;PATCH;BUILD" "" ${ARGN})
  if(NOT DEFINED B_PATCH)
    set(B_PATCH 0)
  endif()
  if(NOT DEFINED B_BUILD)
    set(B_BUILD 0)
  endif()
  # "2.00": the file version as the original version resource writes it.
  if(B_MINOR LESS 10)
    set(B_FILE_VERSION "${B_MAJOR}.0${B_MINOR}")
  else()
    set(B_FILE_VERSION "${B_MAJOR}.${B_MINOR}")
  endif()
  set(TINTORA_B_PRODUCT "${B_PRODUCT}")
  set(TINTORA_B_COMPANY "${B_COMPANY}")
  set(TINTORA_B_COMMENTS "${B_COMMENTS}")
  set(TINTORA_B_MAJOR "${B_MAJOR}")
  set(TINTORA_B_MINOR "${B_MINOR}")
  set(TINTORA_B_PATCH "${B_PATCH}")
  set(TINTORA_B_BUILD "${B_BUILD}")
  set(TINTORA_B_FILE_VERSION "${B_FILE_VERSION}")
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_values.cpp)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.cpp.in ${out} @ONLY)
  # An object library: its objects go straight into each executable, so the
  # definition is found whatever order the static libraries link in.
  add_library(${target} OBJECT ${out} ${PROJECT_SOURCE_DIR}/src/core/branding.cpp)
  # Only the declaration is needed; linking tintora_core here would put it
  # after this library and leave its calls unresolved.
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  if(WIN32)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
    set_property(TARGET ${target} PROPERTY TINTORA_VERSION_RC ${rc})
  endif()
endfunction()
