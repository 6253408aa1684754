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

# The results book: its program, catalogue, launcher and metadata. Its
# launcher starts it in share/numbers3 too, where its catalogue and help are.
install(TARGETS numbers3-book RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${RUN_DIR}/numbers3-book_ja.qm DESTINATION ${NUMBERS_SHARE})
install(CODE "
    set(NUMBERS_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/io.github.numbers3.Book.desktop.in\")
    set(NUMBERS_DESKTOP_ID io.github.numbers3.Book)
    set(NUMBERS_PROGRAM numbers3-book)
    set(NUMBERS_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    set(NUMBERS_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/install_desktop.cmake\")
")
install(FILES ${PROJECT_SOURCE_DIR}/data/io.github.numbers3.Book.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# A user timer and service that fetch new results daily with no window.
install(CODE "
    set(NUMBERS_SYSTEMD_DIR \"${PROJECT_SOURCE_DIR}/data/systemd\")
    set(NUMBERS_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/install_fetch_timer.cmake\")
")
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/numbers3.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${size}x${size}/numbers3.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian's documentation files, the README that the About box points to and
# its Japanese twin, and the manual pages, compressed as Debian wants them:
# gzip -9 without a name or time stamp, so the package is the same from one
# build to the next.
find_program(GZIP gzip REQUIRED)
set(NUMBERS_DOC ${CMAKE_BINARY_DIR}/doc)
set(NUMBERS_GZ)
foreach(pair IN ITEMS "data/changelog;changelog.gz" "README.md;README.md.gz" "README.ja.md;README.ja.md.gz"
                      "man/numbers3.1;man/man1/numbers3.1.gz"
                      "man/ja/numbers3.1;man/ja/man1/numbers3.1.gz"
                      "man/numbers3-book.1;man/man1/numbers3-book.1.gz"
                      "man/ja/numbers3-book.1;man/ja/man1/numbers3-book.1.gz")
    list(GET pair 0 source)
    list(GET pair 1 target)
    get_filename_component(target_dir ${NUMBERS_DOC}/${target} DIRECTORY)
    add_custom_command(OUTPUT ${NUMBERS_DOC}/${target}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${target_dir}
        COMMAND ${GZIP} -9n -c ${PROJECT_SOURCE_DIR}/${source} > ${NUMBERS_DOC}/${target}
        DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
    list(APPEND NUMBERS_GZ ${NUMBERS_DOC}/${target})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${NUMBERS_GZ})
install(FILES ${NUMBERS_DOC}/changelog.gz ${NUMBERS_DOC}/README.md.gz ${NUMBERS_DOC}/README.ja.md.gz
        ${PROJECT_SOURCE_DIR}/data/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${NUMBERS_DOC}/man/man1/numbers3.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${NUMBERS_DOC}/man/ja/man1/numbers3.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
install(FILES ${NUMBERS_DOC}/man/man1/numbers3-book.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${NUMBERS_DOC}/man/ja/man1/numbers3-book.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numbers3)
set(CPACK_PACKAGE_VENDOR "Numbers3 developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pick numbers for the three-digit number lottery")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Numbers3 developers <dev@numbers3.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# CPack puts the summary on the first line; the long text follows it, each
# line behind the one blank it adds (a second blank would mark the line as
# preformatted).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A seven-segment panel rolls a random three-digit number until you stop it;\nsettings limit or fix each digit or compose a number and list its box\nnumbers; a second window keeps the numbers bought during the run and\nlooks numbers up in 2000 past results. English and Japanese.")
# The package's binaries are stripped; the build tree keeps its debug
# information for the benchmarks and valgrind.
set(CPACK_STRIP_FILES ON)
# The Qt libraries come from dpkg-shlibdeps, run by cmake/deb_depends.cmake
# when cpack starts rather than by CPack itself: CPack would also add
# ldconfig calls for any library under /usr/lib, and the click module is a
# private module that the program loads by its path. The platform plugins
# are loaded at run time, so they are named here.
set(NUMBERS_SHLIBDEPS_FILES $<TARGET_FILE:numbers3> $<TARGET_FILE:numbers3-click>)
set(NUMBERS_EXTRA_DEPENDS "qt6-qpa-plugins")
# The results book opens its SQLite file through Qt SQL's plugin, loaded at run time.
list(APPEND NUMBERS_SHLIBDEPS_FILES $<TARGET_FILE:numbers3-book>)
string(APPEND NUMBERS_EXTRA_DEPENDS ", libqt6sql6-sqlite")
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/deb_depends.cmake CONTENT "
set(NUMBERS_SHLIBDEPS_FILES \"$<JOIN:${NUMBERS_SHLIBDEPS_FILES},;>\")
set(NUMBERS_EXTRA_DEPENDS \"${NUMBERS_EXTRA_DEPENDS}\")
include(\"${PROJECT_SOURCE_DIR}/cmake/deb_depends.cmake\")
")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/deb_depends.cmake)
# Japanese draws as empty boxes without a font that has its glyphs. The
# program runs without one, and English needs none, so it is recommended
# (apt installs it by default); a Japanese desktop already has Noto CJK.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
