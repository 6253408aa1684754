#ifndef BOOK_CATALOGUE_H
#define BOOK_CATALOGUE_H

// Installs the Japanese catalogue numbers3-book_ja (and Qt's own qtbase_ja
// when Debian's qt6-translations-l10n is there) when the language of
// messages is Japanese (LC_ALL, else LC_MESSAGES, else LANG, as the C
// library reads them); does nothing otherwise or when no catalogue is found. Called
// once, after the application object exists and before anything is said,
// in the window and in the command-line import alike.
void installBookCatalogue();

#endif
