#ifndef BOOK_CONFLICT_H
#define BOOK_CONFLICT_H

#include "draw_result.h"

// A draw whose hand-entered value differs from what a file offers. The
// hand value stays unless the user said yes for that draw.
struct BookConflict
{
    int draw = 0;
    DrawResult kept;     // what the book holds (entered by hand)
    DrawResult offered;  // what the file gives
};

#endif
