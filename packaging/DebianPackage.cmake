# The Debian package dextrel_4.8-1_amd64.deb, made by CPack (see scripts/build-deb.sh).

# Lintian wants a copyright file and a Debian changelog in the package's doc folder.
set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/dextrel)
set(debian_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${debian_changelog}
    COMMAND gzip -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog > ${debian_changelog}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog
    VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${debian_changelog})
install(FILES debian/copyright ${debian_changelog} DESTINATION ${doc_folder})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dextrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Dextrel maintainers <maintainers@users.noreply.c-seed-0675c7f4.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flow and pressure monitoring with the Vendrix USB logger")
# CPack puts the summary first and indents these lines itself; an empty line separates
# paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Dextrel works with the Vendrix, a USB flow and pressure data logger. It
shows flow and pressure live, downloads the events that the logger
recorded, changes the logger's settings and shows each recording as flow,
volume and pressure graphs. Recordings are kept in workspace files (.vrx)
and can be exported as CSV files, printed and saved as images.

The package also holds the command-line tools dextrel-logger and
dextrel-export, and a udev rule that gives the user at the seat access to
the logger. The user interface is in Romanian.")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_SOURCE_DIR}/debian/postinst ${CMAKE_CURRENT_SOURCE_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
