#ifndef CATALOGUE_H
#define CATALOGUE_H

class QTranslator;

// Loads numbers_ja from the working directory and installs it when the
// system language is Japanese. Call before building any window: texts are
// translated once, when they are set.
void installCatalogue(QTranslator &translator);

#endif
