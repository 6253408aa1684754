#ifndef STARTUP_H
#define STARTUP_H

#include <functional>

class QApplication;
class QTranslator;
class Random;

// Makes the trace lines on standard output harmless: a closed descriptor 0,
// 1 or 2 is reopened on /dev/null, so no file or socket the program opens
// later can take its number and receive trace text; and SIGPIPE is ignored,
// so a reader that went away cannot end the program. Call first in main().
void guardStandardStreams();

// Ties the program's windows to its launcher: the desktop file name is the
// launcher's ID, and every window shows the program's icon.
void setDesktopIdentity(QApplication &app);

// Loads numbers_ja from the working directory and installs it when the
// system language is Japanese. Call before building any window: texts are
// translated once, when they are set.
void installCatalogue(QTranslator &translator);

// The whole program: guards the standard streams, makes the application
// object and ties it to the launcher, makes the translator, installs the
// catalogue, builds and shows the panel and runs the event loop, returning
// its result. A session, when one is given, runs on the panel from inside
// the loop: the tests' scripted session goes through the program's own
// start-up this way.
int runProgram(int &argc, char **argv, const std::function<void(Random &)> &session = {});

#endif
