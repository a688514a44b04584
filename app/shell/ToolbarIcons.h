#pragma once
// The toolbar's 19 x 19 button images and the program icon, drawn in code
// so that they are this program's own and scale with nothing else.

#include <QIcon>
#include <QPixmap>

constexpr int kToolbarIconSize = 19;

// The button image of a toolbar command; a null pixmap for other ids.
QPixmap toolbarPixmap(int commandId);
QIcon programIcon();
