# SPDX-License-Identifier: MIT
# Installation layout. The Debian packages are built from debian/ with
# dpkg-buildpackage, which installs this layout and splits it: tintora-browser
# holds lib/tintora, tintora everything else.
#
#   <prefix>/bin/tintora                                    the program
#   <prefix>/lib/tintora/tintora_browser.so                 browser module (when built)
#   <prefix>/libexec/tintora/tintora-clipboard-holder       keeps a copy pasteable after exit (X11)
#   <prefix>/share/tintora/Help.rtf                         help file
#   <prefix>/share/applications/tintora.desktop             menu entry
#   <prefix>/share/icons/hicolor/scalable/apps/tintora.svg  icon
#   <prefix>/share/metainfo/<id>.metainfo.xml               software-centre entry
#   <prefix>/share/man/man1/tintora.1.gz                    manual page
#
# The program finds its help file and browser module through paths relative
# to its own folder (../share/tintora, ../lib/tintora), so the tree works
# under any prefix and under DESTDIR.
#
# Components: "Runtime" (program and data) and "Browser" (the module).
# The licence and the history are the Debian package's (debian/copyright,
# debian/changelog).

set(TINTORA_DESKTOP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(TINTORA_HELP_SOURCE ${PROJECT_SOURCE_DIR}/resources/Help.rtf)

# Names the installed files use. The folders share/tintora and lib/tintora
# are fixed in the program, so the executable keeps its name whatever the
# product is called.
set(TINTORA_EXECUTABLE_NAME tintora)
set(TINTORA_ICON_NAME tintora)
set(TINTORA_DESKTOP_FILE_NAME tintora.desktop)
set(TINTORA_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/tintora)
# Not CMAKE_INSTALL_LIBDIR: that is lib/x86_64-linux-gnu or lib64 on some
# systems, and the program looks in <prefix>/lib/tintora.
set(TINTORA_MODULE_INSTALL_DIR lib/tintora)

set(TINTORA_RELEASE_DATE "2026-12-07" CACHE STRING "Release date of this version (YYYY-MM-DD), for the AppStream entry and the manual page")
if(NOT TINTORA_RELEASE_DATE MATCHES "^[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]$")
  message(FATAL_ERROR "TINTORA_RELEASE_DATE \"${TINTORA_RELEASE_DATE}\" is not a date (YYYY-MM-DD)")
endif()
set(TINTORA_PACKAGE_CONTACT "packages@varnholtsoftware.example" CACHE STRING "E-mail address of the maintainer, for the AppStream entry (debian/control names the same one)")
# Build folders configured before this had an empty default.
if(TINTORA_PACKAGE_CONTACT STREQUAL "")
  set_property(CACHE TINTORA_PACKAGE_CONTACT PROPERTY VALUE "packages@varnholtsoftware.example")
endif()
set(TINTORA_LICENSE "MIT" CACHE STRING "SPDX licence expression of the program, for the AppStream entry")
set(TINTORA_BUGTRACKER_URL "https://bugs.varnholtsoftware.example/tintora/" CACHE STRING "Address of the bug tracker, for the AppStream entry and the manual page")

# The branding's web site (a host name, perhaps with a scheme or a path).
string(REGEX REPLACE "^[A-Za-z]+://" "" _tintora_site "${TINTORA_COMMENTS}")
string(REGEX REPLACE "/+$" "" _tintora_site "${_tintora_site}")
set(TINTORA_HOMEPAGE "" CACHE STRING "Home page for the AppStream entry, the manual page and the package; empty: https:// and the branding's web site")
if(TINTORA_HOMEPAGE)
  set(TINTORA_HOMEPAGE_URL "${TINTORA_HOMEPAGE}")
else()
  set(TINTORA_HOMEPAGE_URL "https://${_tintora_site}/")
endif()
# The host without path or a leading "www.".
string(REGEX REPLACE "[/?#].*$" "" _tintora_host "${_tintora_site}")
string(REGEX REPLACE "^www\\." "" _tintora_host "${_tintora_host}")
string(TOLOWER "${_tintora_host}" _tintora_host)

# AppStream id: the web site host reversed, then the product name, e.g.
# "example.varnholtsoftware.tintora". Each part is reduced to the characters
# an id allows and must not start with a digit.
function(_tintora_id_part input out)
  string(TOLOWER "${input}" s)
  string(REGEX REPLACE "[^a-z0-9_]" "_" s "${s}")
  if(s MATCHES "^[0-9]")
    set(s "_${s}")
  endif()
  set(${out} "${s}" PARENT_SCOPE)
endfunction()
set(_tintora_id "")
if(_tintora_host)
  string(REPLACE "." ";" _tintora_labels "${_tintora_host}")
  list(REVERSE _tintora_labels)
  foreach(label IN LISTS _tintora_labels)
    if(label STREQUAL "")
      continue()
    endif()
    _tintora_id_part("${label}" part)
    string(APPEND _tintora_id "${part}.")
  endforeach()
endif()
_tintora_id_part("${TINTORA_PRODUCT_NAME}" _tintora_product_part)
set(TINTORA_APPSTREAM_ID "${_tintora_id}${_tintora_product_part}")
set(TINTORA_METAINFO_FILE_NAME "${TINTORA_APPSTREAM_ID}.metainfo.xml")
string(TOUPPER "${TINTORA_EXECUTABLE_NAME}" TINTORA_MAN_TITLE)

# ---- generated data files --------------------------------------------------

set(_tintora_gen ${CMAKE_BINARY_DIR}/desktop)
configure_file(${TINTORA_DESKTOP_SOURCE_DIR}/tintora.desktop.in ${_tintora_gen}/${TINTORA_DESKTOP_FILE_NAME} @ONLY)
configure_file(${TINTORA_DESKTOP_SOURCE_DIR}/tintora.metainfo.xml.in ${_tintora_gen}/${TINTORA_METAINFO_FILE_NAME} @ONLY)
configure_file(${TINTORA_DESKTOP_SOURCE_DIR}/tintora.1.in ${_tintora_gen}/tintora.1 @ONLY)

# Debian wants the manual page compressed at the highest level, without a
# name or time stamp in the header (so builds repeat).
find_program(TINTORA_GZIP gzip REQUIRED)
function(_tintora_gzip file)
  execute_process(COMMAND ${TINTORA_GZIP} -9 -n -c ${file} OUTPUT_FILE ${file}.gz RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${file}")
  endif()
endfunction()
_tintora_gzip(${_tintora_gen}/tintora.1)

# ---- help file beside the built program ------------------------------------

# Re-run the configuration when resources/ changes, so that a help file
# added or removed later is picked up.
if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/resources)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources)
endif()

if(NOT EXISTS ${TINTORA_HELP_SOURCE})
  message(FATAL_ERROR "The help file ${TINTORA_HELP_SOURCE} is missing")
endif()

if(TARGET tintora)
  get_target_property(_tintora_bin_dir tintora RUNTIME_OUTPUT_DIRECTORY)
  if(NOT _tintora_bin_dir)
    set(_tintora_bin_dir ${CMAKE_BINARY_DIR}/bin)
  endif()
  add_custom_command(
    OUTPUT ${_tintora_bin_dir}/Help.rtf
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_tintora_bin_dir}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TINTORA_HELP_SOURCE} ${_tintora_bin_dir}/Help.rtf
    DEPENDS ${TINTORA_HELP_SOURCE}
    COMMENT "Copying Help.rtf beside the program"
    VERBATIM)
  add_custom_target(tintora_help_file DEPENDS ${_tintora_bin_dir}/Help.rtf)
  add_dependencies(tintora tintora_help_file)
endif()

# ---- install rules ---------------------------------------------------------

if(TARGET tintora)
  install(TARGETS tintora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
endif()
if(TARGET tintora_clipboard_holder)
  install(TARGETS tintora_clipboard_holder RUNTIME DESTINATION libexec/tintora COMPONENT Runtime)
endif()
if(TARGET tintora_browser)
  install(TARGETS tintora_browser LIBRARY DESTINATION ${TINTORA_MODULE_INSTALL_DIR} COMPONENT Browser)
endif()
install(FILES ${TINTORA_HELP_SOURCE} DESTINATION ${TINTORA_DATA_INSTALL_DIR} COMPONENT Runtime)
install(FILES ${_tintora_gen}/${TINTORA_DESKTOP_FILE_NAME}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Runtime)
install(FILES ${TINTORA_DESKTOP_SOURCE_DIR}/tintora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TINTORA_ICON_NAME}.svg COMPONENT Runtime)
install(FILES ${_tintora_gen}/${TINTORA_METAINFO_FILE_NAME}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Runtime)
install(FILES ${_tintora_gen}/tintora.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Runtime)
