#ifndef APP_ICON_H
#define APP_ICON_H

class QIcon;

// The installed icon's pictures, built into the programs: they serve the
// build's run directory and every prefix alike, and cost far less at
// start-up than a lookup in the icon theme (about 1.3 MB more memory).
QIcon appIcon();

#endif
