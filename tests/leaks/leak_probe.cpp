// A leak of the program's own, reached only through Qt's event loop, as a
// slot with a fault in it would leak, with the panel's or the book's window
// up. The sanitized suite expects LeakSanitizer to report it: the
// suppressions name Qt's own allocations, never whatever Qt calls into.
//   leak_probe panel|book
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>
#include <memory>

#include "book_store.h"
#include "book_window.h"
#include "display/random.h"

namespace {

void leakOnce()
{
    auto *lost = new int[64];
    lost[0] = 1;
    // The pointer goes out of scope here: nothing refers to the block.
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    BookStore store;
    std::unique_ptr<QWidget> window;
    if (argc > 1 && !std::strcmp(argv[1], "book")) {
        store.open(dir.filePath(QStringLiteral("book.sqlite")));
        window = std::make_unique<BookWindow>(store);
    } else {
        window = std::make_unique<Random>();
    }
    window->show();
    QTimer::singleShot(0, &app, [&app] {
        leakOnce();
        app.quit();
    });
    const int status = app.exec();
    window.reset();
    return status;
}
