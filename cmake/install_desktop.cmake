# Run at install time, when the final prefix is known (cmake --install
# --prefix, or CPack's /usr): the launcher must name the real folders.
file(READ "${NUMBERS_DESKTOP_TEMPLATE}" entry)
# The panel's launcher by default; the results book names its own.
if(NOT NUMBERS_DESKTOP_ID)
    set(NUMBERS_DESKTOP_ID io.github.numbers3.Numbers3)
    set(NUMBERS_PROGRAM numbers3)
endif()
string(REPLACE "@NUMBERS_BIN@" "${CMAKE_INSTALL_PREFIX}/${NUMBERS_BINDIR}/${NUMBERS_PROGRAM}" entry "${entry}")
string(REPLACE "@NUMBERS_BOOK_BIN@" "${CMAKE_INSTALL_PREFIX}/${NUMBERS_BINDIR}/numbers3-book" entry "${entry}")
string(REPLACE "@NUMBERS_DATA@" "${CMAKE_INSTALL_PREFIX}/${NUMBERS_DATADIR}/numbers3" entry "${entry}")
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${NUMBERS_DATADIR}/applications")
file(MAKE_DIRECTORY "${target}")
file(WRITE "${target}/${NUMBERS_DESKTOP_ID}.desktop" "${entry}")
message(STATUS "Installing: ${target}/${NUMBERS_DESKTOP_ID}.desktop")
# Install scripts share one scope: the next launcher starts from the default.
unset(NUMBERS_DESKTOP_ID)
unset(NUMBERS_PROGRAM)
