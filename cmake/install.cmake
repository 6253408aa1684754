# The program goes to bin/, everything it opens from its working directory
# to share/numbers3/, and the launcher starts it there.
set(NUMBERS_SHARE ${CMAKE_INSTALL_DATADIR}/numbers3)

install(TARGETS numbers3 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS numbers3-click LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/numbers3)
install(FILES ${NUMBERS_QM} DESTINATION ${NUMBERS_SHARE})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/html/ DESTINATION ${NUMBERS_SHARE}/html)
install(FILES ${RUN_DIR}/wav/check.wav DESTINATION ${NUMBERS_SHARE}/wav)

install(CODE "
    set(NUMBERS_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/io.github.numbers3.Numbers3.desktop.in\")
    set(NUMBERS_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    set(NUMBERS_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/install_desktop.cmake\")
")
install(FILES ${PROJECT_SOURCE_DIR}/data/io.github.numbers3.Numbers3.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/numbers3.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${size}x${size}/numbers3.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numbers3)
set(CPACK_PACKAGE_VENDOR "Numbers3 developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pick numbers for the three-digit number lottery")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Numbers3 developers <dev@numbers3.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pick numbers for the three-digit number lottery\n A seven-segment panel rolls a random three-digit number until you stop it;\n settings limit or fix each digit or compose a number and list its box\n numbers; a second window keeps the numbers bought during the run and\n looks numbers up in 2000 past results. English and Japanese.")
# The Qt libraries come from dpkg-shlibdeps; the platform plugins and the
# audio backend are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Japanese draws as empty boxes without a font that has its glyphs. The
# program runs without one, and English needs none, so it is recommended
# (apt installs it by default); a Japanese desktop already has Noto CJK.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk")
include(CPack)
