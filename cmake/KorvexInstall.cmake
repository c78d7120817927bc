# `cmake --install` places the program as a Linux desktop expects it (FHS), and CPack makes a Debian
# package of the same files. The installed korvex-tabulor finds its shipped files in
# ${KORVEX_SHIPPED_DIR} and writes to the user's own folders (docs/installation.md).
set(KORVEX_APP_ID com.veltrano.KorvexTabulor)
set(KORVEX_RELEASE_DATE 2026-12-06)
set(KORVEX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/korvex-tabulor)
set(dist ${PROJECT_SOURCE_DIR}/dist/linux)
set(dist_out ${PROJECT_BINARY_DIR}/dist)

install(TARGETS korvex-tabulor korvex-host-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/LanguageFiles DESTINATION ${KORVEX_SHIPPED_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/examples/housing.json ${PROJECT_SOURCE_DIR}/examples/flange_inch.json
        DESTINATION ${KORVEX_SHIPPED_DIR}/examples)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/demo DESTINATION ${KORVEX_SHIPPED_DIR}/examples)

# Desktop entry, AppStream metainfo and the icon in the hicolor theme.
configure_file(${dist}/${KORVEX_APP_ID}.metainfo.xml.in ${dist_out}/${KORVEX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${dist}/${KORVEX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist_out}/${KORVEX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${dist}/icons/${KORVEX_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${dist}/icons/${KORVEX_APP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${KORVEX_APP_ID}.png)
endforeach()

# Man pages and the package's changelog, compressed as Debian wants them (no name or time stamp inside).
set(compressed)
foreach(page korvex-tabulor.1 korvex-host-sim.1 changelog)
    configure_file(${dist}/${page}.in ${dist_out}/${page} @ONLY)
    add_custom_command(OUTPUT ${dist_out}/${page}.gz
                       COMMAND gzip -9nkf ${dist_out}/${page}
                       DEPENDS ${dist_out}/${page})
    list(APPEND compressed ${dist_out}/${page}.gz)
endforeach()
add_custom_target(korvex_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${dist_out}/korvex-tabulor.1.gz ${dist_out}/korvex-host-sim.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${dist_out}/changelog.gz ${dist}/copyright DESTINATION ${KORVEX_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvex-tabulor)
set(CPACK_PACKAGE_VENDOR Veltrano)
set(CPACK_PACKAGE_CONTACT "Veltrano KORVEX Tabulor team <tabulor@veltrano.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tables and protocols of a coordinate-measuring machine's results")
set(CPACK_PACKAGE_DESCRIPTION
    "KORVEX Tabulor runs beside the KORVEX host program of a coordinate-measuring
machine. It gathers the characteristics of the host's active part program,
classifies them against their tolerances, lets the operator mark
characteristics, and writes them to an ASCII result file.
.
The package also holds korvex-host-sim, a simulated host on the D-Bus session
bus.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.veltrano.com/)
# The libraries' packages come from the executables themselves; the host and the program meet on a
# session bus, which a desktop session has and dbus-run-session makes elsewhere.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Two packages: the program, which runs without an office suite, and the Calc plugin, which brings
# LibreOffice Calc with it and is only suggested.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME korvex-tabulor)
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PROGRAM_FILE_NAME DEB-DEFAULT)
# The toolbar's SVG icons need Qt's SVG image plugin, which is loaded, not linked.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS libqt6svg6)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "dbus-user-session | dbus-x11")
if(TARGET korvex_calc)
    list(APPEND CPACK_COMPONENTS_ALL calc)
    set(CPACK_DEBIAN_PROGRAM_PACKAGE_SUGGESTS korvex-tabulor-calc)
    set(CPACK_DEBIAN_CALC_PACKAGE_NAME korvex-tabulor-calc)
    set(CPACK_DEBIAN_CALC_FILE_NAME DEB-DEFAULT)
    # The office is started, not linked: only the bridge's libraries come from the plugin itself.
    set(CPACK_DEBIAN_CALC_PACKAGE_DEPENDS "korvex-tabulor (= ${PROJECT_VERSION}), libreoffice-calc")
    set(CPACK_DEBIAN_CALC_DESCRIPTION "LibreOffice Calc plugin of KORVEX Tabulor
With this plugin KORVEX Tabulor fills .xls and .ods report templates and
shows the live protocol in LibreOffice Calc, which it starts with a
private user profile of its own.")
    # The plugin is loaded into the program, not linked; it finds the bridge's libraries in the
    # office's own folder, where they find their neighbours.
    configure_file(${dist}/korvex-tabulor-calc.lintian-overrides.in ${dist_out}/korvex-tabulor-calc @ONLY)
    install(FILES ${dist_out}/korvex-tabulor-calc DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
            COMPONENT calc)
    install(FILES ${dist_out}/changelog.gz ${dist}/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvex-tabulor-calc COMPONENT calc)
endif()
include(CPack)
