#pragma once

class QWidget;

// Places a control of the window's design at its place in twips, inside its container.
void place(QWidget* w, int left, int top, int width, int height);
