# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# The Debian package: cmake --build build --target package, or ./package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${QUORVEL_MAKER})
set(CPACK_PACKAGE_CONTACT "${QUORVEL_MAKER} <${QUORVEL_CONTACT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator of individual income tax on monthly wages")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorvel works out the Chinese individual income tax on monthly wages and\n"
  "salaries, by the schedule in force from 1 September 2011: seven brackets\n"
  "from 3% to 45% with quick deductions, after a monthly exemption of 3500\n"
  "yuan. Its window is in Simplified Chinese.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.com/quorvel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackProjectConfig.cmake)
# Where CPackProjectConfig.cmake reads the date of the last commit.
set(CPACK_QUORVEL_SOURCE_DIR ${PROJECT_SOURCE_DIR})
# What no shared library names: the Song face of the window and the toolkit's
# Chinese texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-gbsn00lp, qt6-translations-l10n")
# The toolkit's Wayland platform: without it a Wayland session shows the window
# through X11, which still works.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
# The changelog and the manual pages go compressed, as Debian keeps them, with
# neither name nor time in the gzip header. A source ending in .in is
# configured first.
find_program(GZIP gzip REQUIRED)
function(install_gzipped source destination)
  cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE name)
  string(REGEX REPLACE "[.]in$" "" name ${name})
  set(plain ${PROJECT_BINARY_DIR}/${name})
  configure_file(${source} ${plain} @ONLY)
  add_custom_command(OUTPUT ${plain}.gz
    COMMAND ${GZIP} -9n --stdout ${plain} > ${plain}.gz
    DEPENDS ${plain})
  string(MAKE_C_IDENTIFIER ${name}.gz target)
  add_custom_target(${target} ALL DEPENDS ${plain}.gz)
  install(FILES ${plain}.gz DESTINATION ${destination})
endfunction()

set(doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${PROJECT_SOURCE_DIR}/docs/copyright DESTINATION ${doc})
install_gzipped(${PROJECT_SOURCE_DIR}/docs/changelog ${doc})
install_gzipped(${PROJECT_SOURCE_DIR}/docs/man/quorvel.1.in ${CMAKE_INSTALL_MANDIR}/man1)
install_gzipped(${PROJECT_SOURCE_DIR}/docs/man/zh_CN/quorvel.1.in
  ${CMAKE_INSTALL_MANDIR}/zh_CN/man1)

include(CPack)
