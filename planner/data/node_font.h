#pragma once

#include <QString>

// The font of library-tree nodes that have children, made once at start-up.
struct NodeFont {
    QString name;
    double size = 0;
    bool bold = false;
};
extern NodeFont BoldNodeFont;
