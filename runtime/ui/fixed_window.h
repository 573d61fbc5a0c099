#pragma once

class QSize;
class QWidget;

namespace rt {

// A program's window that keeps the size it was designed with: no resize border and no maximise
// button, only minimise and close. A dialog keeps its own buttons.
void keepDesignedSize(QWidget* window, const QSize& size);

// Puts a main window at the top left of its screen's free area, where the desktop puts a program's
// first window, before it is first shown. Where it stands is then known from the start, so a dialog
// shown over it at once is centred on it, not on where the window manager has yet to put it.
void placeAtScreenCorner(QWidget* window);

} // namespace rt
