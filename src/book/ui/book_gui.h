#ifndef BOOK_GUI_H
#define BOOK_GUI_H

class QApplication;
class BookStore;

// Shows the book's window and runs the event loop; returns the exit status.
// main() has called store.open() (and loadBundled() when it was usable);
// the window reports store.lastOpenResult(): a book moved aside, a newer
// schema refused or a failure (then !usable() and the store is closed).
// Implemented by the window part (book_window.cpp).
int runBookWindow(QApplication &app, BookStore &store);

#endif
