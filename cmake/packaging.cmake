# Installation in the usual places and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

install(TARGETS drivecalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(TARGET acdrive)
  install(TARGETS acdrive RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/acdrive.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/acdrive.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # The help is built into the program; a copy to read in a browser goes with the documents.
  install(FILES ${PROJECT_SOURCE_DIR}/acdrive/ui/help/acdrive-help.html DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
if(TARGET dcdrive)
  install(TARGETS dcdrive RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/dcdrive.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/dcdrive.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
        FILES_MATCHING PATTERN "*.tah" PATTERN "*.mot" PATTERN "*.dpt" PATTERN "*.answers")
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME drivecalc)
set(CPACK_PACKAGE_VENDOR "drivecalc developers")
set(CPACK_PACKAGE_CONTACT "drivecalc developers <drivecalc@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Energy indicators of induction-motor and DC-motor drives")
set(CPACK_PACKAGE_DESCRIPTION
    "acdrive and dcdrive calculate, stretch by stretch of a duty cycle, the motor losses, mains energy and power, reactive power, efficiency and power factor of electric drives; drivecalc repeats a calculation with recorded answers.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-dejavu-extra, qt6-qpa-plugins")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
