# Run at install time, when the final prefix is known (cmake --install
# --prefix, or CPack's /usr): the launcher must name the real folders.
file(READ "${NUMBERS_DESKTOP_TEMPLATE}" entry)
string(REPLACE "@NUMBERS_BIN@" "${CMAKE_INSTALL_PREFIX}/${NUMBERS_BINDIR}/numbers3" entry "${entry}")
string(REPLACE "@NUMBERS_DATA@" "${CMAKE_INSTALL_PREFIX}/${NUMBERS_DATADIR}/numbers3" entry "${entry}")
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${NUMBERS_DATADIR}/applications")
file(MAKE_DIRECTORY "${target}")
file(WRITE "${target}/io.github.numbers3.Numbers3.desktop" "${entry}")
message(STATUS "Installing: ${target}/io.github.numbers3.Numbers3.desktop")
