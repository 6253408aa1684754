# Run at install time, as install_desktop.cmake: the service names the
# program where it was installed. Both go among systemd's user units, off
# until the user enables the timer (systemctl --user enable --now ...).
file(READ "${NUMBERS_SYSTEMD_DIR}/numbers3-book-fetch.service.in" unit)
string(REPLACE "@NUMBERS_BOOK_BIN@" "${CMAKE_INSTALL_PREFIX}/${NUMBERS_BINDIR}/numbers3-book" unit "${unit}")
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/lib/systemd/user")
file(MAKE_DIRECTORY "${target}")
file(WRITE "${target}/numbers3-book-fetch.service" "${unit}")
file(COPY_FILE "${NUMBERS_SYSTEMD_DIR}/numbers3-book-fetch.timer" "${target}/numbers3-book-fetch.timer")
message(STATUS "Installing: ${target}/numbers3-book-fetch.service and .timer")
