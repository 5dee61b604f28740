# What `cmake --install` puts under the prefix P, and the Debian package
# built from it (make package):
#   P/lib/lodex/       lodex, lodex-cli and libtarrow.so together: the programs
#                      load tarrow only from their own folder, which they find
#                      through /proc/self/exe, the real file behind any link
#   P/bin/             links to the two programs
#   P/share/           desktop entry, icon, AppStream metainfo, MIME type of
#                      *.shc, manual pages written from the programs' --help
# The installed files carry no RPATH: the programs need none, and tarrow is
# opened by its full path.
include_guard(GLOBAL)

set(LODEX_APP_ID org.lodex.Lodex)
set(LODEX_PRIVATE_DIR lib/lodex)
set(LODEX_LINUX_DIR ${PROJECT_SOURCE_DIR}/resources/linux)

set(LODEX_INSTALLED_PROGRAMS lodex-cli)
if(TARGET lodex)
  list(APPEND LODEX_INSTALLED_PROGRAMS lodex)
endif()
install(TARGETS ${LODEX_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${LODEX_PRIVATE_DIR})
if(TARGET tarrow)
  install(TARGETS tarrow LIBRARY DESTINATION ${LODEX_PRIVATE_DIR} NAMELINK_SKIP)
endif()

# The links are made in the build tree and installed as links.
set(link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${link_dir})
foreach(program ${LODEX_INSTALLED_PROGRAMS})
  file(CREATE_LINK ../${LODEX_PRIVATE_DIR}/${program} ${link_dir}/${program} SYMBOLIC)
  install(FILES ${link_dir}/${program} DESTINATION bin)
endforeach()

if(TARGET lodex)
  install(FILES ${LODEX_LINUX_DIR}/${LODEX_APP_ID}.desktop DESTINATION share/applications)
  install(FILES ${LODEX_LINUX_DIR}/${LODEX_APP_ID}.metainfo.xml DESTINATION share/metainfo)
  install(FILES ${LODEX_LINUX_DIR}/${LODEX_APP_ID}.mime.xml DESTINATION share/mime/packages
    RENAME ${LODEX_APP_ID}.xml)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/lodex.svg DESTINATION share/icons/hicolor/scalable/apps)
endif()

# Manual pages: help2man runs each program with --help and --version at
# build time (the desktop program answers both before it opens a window).
find_program(LODEX_HELP2MAN help2man)
set(man_dir ${CMAKE_BINARY_DIR}/man)
set(man_pages)
if(LODEX_HELP2MAN)
  # page: man_dir/NAME.1 from the program NAME in BIN_DIR; the rest: what it depends on.
  function(lodex_man_page name bin_dir summary)
    add_custom_command(OUTPUT ${man_dir}/${name}.1
      COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
      COMMAND ${CMAKE_COMMAND} -DPROGRAM=${name} -DBIN_DIR=${bin_dir} -DSUMMARY=${summary}
        -DOUTPUT=${man_dir}/${name}.1 -DHELP2MAN=${LODEX_HELP2MAN} -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
      DEPENDS ${ARGN} ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
      VERBATIM)
    set(man_pages ${man_pages} ${man_dir}/${name}.1 PARENT_SCOPE)
  endfunction()
  lodex_man_page(lodex-cli $<TARGET_FILE_DIR:lodex-cli>
    "structural synthesis of combinational logic from the command line" lodex-cli)
  if(TARGET lodex)
    lodex_man_page(lodex $<TARGET_FILE_DIR:lodex>
      "structural synthesis of combinational logic, the desktop program" lodex)
  endif()
  add_custom_target(manpages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION share/man/man1)
else()
  message(STATUS "help2man not found: no manual pages (scripts/install-deps.sh package installs it)")
  install(CODE [[message(FATAL_ERROR "The manual pages need help2man: run scripts/install-deps.sh package, then configure again")]])
endif()

# The installed layout, checked in a temporary folder.
if(LODEX_TESTS AND TARGET lodex AND TARGET tarrow)
  add_test(NAME install_layout COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-install.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(install_layout PROPERTIES TIMEOUT 300)
endif()

# The Debian package: the dependencies on libraries come from dpkg-shlibdeps.
set(LODEX_PACKAGE_MAINTAINER "Lodex developers <lodex@localhost>" CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lodex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "structural synthesis of combinational logic")
set(CPACK_PACKAGE_DESCRIPTION "Lodex rebuilds a combinational circuit, given by its truth table, as a
scheme of smaller blocks: serial and parallel decomposition, removal of
fictitious inputs, multiplexer extraction, covering by NAND or NOR elements
and an optimisation across tiers. It simulates the result against the
project, draws the scheme and exports VHDL, BLIF and Verilog.

The package holds the desktop program lodex, the command-line program
lodex-cli and the schematic-import library tarrow.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LODEX_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the SVG icon engine and image plug-ins at run time; the program
# does not link them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
# Qt's Russian texts, the icon theme, the opener of exported drawings and
# the file chooser of the schematic import.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, hicolor-icon-theme, xdg-utils, zenity | kdialog")
include(CPack)
