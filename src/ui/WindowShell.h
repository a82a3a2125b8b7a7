#pragma once

#include <QWidget>

// Moves a top-level window to the middle of its screen's free area.
void centreOnScreen(QWidget& window);

// Gives a top-level window the outer size `outer`, its frame included. The
// frame is the window manager's and is known only once the window has been
// shown and framed: the window takes `outer` as its client size when it first
// appears and gives the frame's share back as soon as the frame shows up.
// Without a window manager there is no frame and the client area is the
// whole size. Resizing by the person afterwards is left alone.
void keepOuterSize(QWidget& window, QSize outer);
