#pragma once

#include <initializer_list>

class QWidget;

// SetColor of the menu and editor windows: the course's third colour (CourseSettings.ColorText3, "r,g,b")
// becomes the back colour of the window and of its labels. A text that is empty or not three numbers
// keeps the default colour.
void SetColor(QWidget* form, std::initializer_list<QWidget*> labels);
