# Installation layout and the Debian package.
#
#   <prefix>/bin/tintora                                    the program
#   <prefix>/lib/tintora/tintora_browser.so                 browser module (when built)
#   <prefix>/lib/tintora/tintora-clipboard-holder           keeps a copy pasteable after exit (X11)
#   <prefix>/share/tintora/Help.rtf                         help file
#   <prefix>/share/applications/tintora.desktop             menu entry
#   <prefix>/share/icons/hicolor/scalable/apps/tintora.svg  icon
#   <prefix>/share/metainfo/<id>.metainfo.xml               software-centre entry
#   <prefix>/share/man/man1/tintora.1.gz                    manual page
#   <prefix>/share/doc/tintora/copyright, changelog.gz      licence and history
#
# The program finds its help file and browser module through paths relative
# to its own folder (../share/tintora, ../lib/tintora), so the tree works
# under any prefix and under DESTDIR.
#
# Components: "Runtime" (program and data) and "Browser" (the module).

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
set(TINTORA_PACKAGE_CONTACT "" CACHE STRING "E-mail address of the package maintainer; empty: packages@ and the branding's web site host")
set(TINTORA_LICENSE_NAME "proprietary" CACHE STRING "Short licence name for the package's copyright file")
set(TINTORA_LICENSE_TEXT " All rights reserved." CACHE STRING "Licence text for the package's copyright file, each line indented by one space")

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

# The package maintainer, a name and an e-mail address as Debian wants them.
if(TINTORA_PACKAGE_CONTACT)
  set(_tintora_mail "${TINTORA_PACKAGE_CONTACT}")
elseif(_tintora_host)
  set(_tintora_mail "packages@${_tintora_host}")
else()
  message(FATAL_ERROR "The package needs a maintainer's e-mail address: set TINTORA_PACKAGE_CONTACT or a web site in TINTORA_COMMENTS")
endif()
set(TINTORA_PACKAGE_MAINTAINER "${TINTORA_COMPANY_NAME} <${_tintora_mail}>")

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

# Debian wants the manual page and the changelog compressed at the highest
# level, without a name or time stamp in the header (so builds repeat).
find_program(TINTORA_GZIP gzip REQUIRED)
function(_tintora_gzip file)
  execute_process(COMMAND ${TINTORA_GZIP} -9 -n -c ${file} OUTPUT_FILE ${file}.gz RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${file}")
  endif()
endfunction()
_tintora_gzip(${_tintora_gen}/tintora.1)

set(TINTORA_PACKAGE_VERSION "${TINTORA_VERSION_MAJOR}.${TINTORA_VERSION_MINOR}.${TINTORA_VERSION_PATCH}")
string(SUBSTRING "${TINTORA_RELEASE_DATE}" 0 4 TINTORA_COPYRIGHT_YEAR)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -R -d "${TINTORA_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE TINTORA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _tintora_date_result)
if(NOT _tintora_date_result EQUAL 0)
  message(FATAL_ERROR "TINTORA_RELEASE_DATE \"${TINTORA_RELEASE_DATE}\" is not a date (YYYY-MM-DD)")
endif()
set(_tintora_packaging ${PROJECT_SOURCE_DIR}/resources/packaging)
configure_file(${_tintora_packaging}/copyright.in ${_tintora_gen}/copyright @ONLY)
configure_file(${_tintora_packaging}/changelog.in ${_tintora_gen}/changelog @ONLY)
_tintora_gzip(${_tintora_gen}/changelog)

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
  install(TARGETS tintora_clipboard_holder RUNTIME DESTINATION ${TINTORA_MODULE_INSTALL_DIR} COMPONENT Runtime)
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
install(FILES ${_tintora_gen}/copyright ${_tintora_gen}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tintora COMPONENT Runtime)

# ---- Debian package (cpack -G DEB) -----------------------------------------

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tintora")
set(CPACK_PACKAGE_VENDOR "${TINTORA_COMPANY_NAME}")
set(CPACK_PACKAGE_VERSION_MAJOR "${TINTORA_VERSION_MAJOR}")
set(CPACK_PACKAGE_VERSION_MINOR "${TINTORA_VERSION_MINOR}")
set(CPACK_PACKAGE_VERSION_PATCH "${TINTORA_VERSION_PATCH}")
set(CPACK_PACKAGE_VERSION "${TINTORA_VERSION_MAJOR}.${TINTORA_VERSION_MINOR}.${TINTORA_VERSION_PATCH}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour picker for web pages and BASIC programs")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TINTORA_HOMEPAGE_URL}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "${TINTORA_PACKAGE_MAINTAINER}")

set(CPACK_DEBIAN_PACKAGE_NAME "tintora")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TINTORA_HOMEPAGE_URL}")
# Libraries the program and the browser module link come from dpkg-shlibdeps,
# run by cpack_project_config.cmake (the X11 platform plugin is part of
# libqt6gui6). The fonts stand in for Verdana and Arial. Loaded at run time,
# so not found by dpkg-shlibdeps and only recommended: the desktop theme
# integration (qt6-qpa-plugins) and native Wayland windows (qt6-wayland).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(TINTORA_PACKAGE_ELF_FILES "")
foreach(target IN ITEMS tintora tintora_clipboard_holder tintora_browser)
  if(TARGET ${target})
    list(APPEND TINTORA_PACKAGE_ELF_FILES "$<TARGET_FILE:${target}>")
  endif()
endforeach()
configure_file(${_tintora_packaging}/cpack_project_config.cmake.in ${_tintora_gen}/CPackProjectConfig.cmake.in @ONLY)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/CPackProjectConfig.cmake INPUT ${_tintora_gen}/CPackProjectConfig.cmake.in)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackProjectConfig.cmake)
# `cpack` and `cmake --install` copy what is built and build nothing
# themselves, so packing never builds the tests and benchmarks; the project
# configuration above builds the program for cpack.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, qt6-wayland")
# The summary above is the first line of the Description field; this is the
# text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "${TINTORA_PRODUCT_NAME} picks a colour by hue, saturation or brightness, from the
216 web-safe colours, from a personal palette or from the recently kept
colours, and shows it as an RGB call, a decimal value, an HTML code and a
hexadecimal constant for BASIC source, each ready to copy.")

include(CPack)
