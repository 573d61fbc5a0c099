#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace rt {

// A report that always fits one page: its headings, then a grid of captioned cells of equal size that
// takes the rest of the page. A cell's text that does not fit its cell is cut and ends in "…".
struct CalendarSheet {
    struct Cell {
        QString caption, text;
    };

    QString heading, span, classLine;
    QStringList columnNames; // above the columns; none, or one per column
    int columns = 1;
    QList<Cell> cells; // row by row
    qreal textPoints = 10;

    int rows() const { return int((cells.size() + columns - 1) / columns); }
};

// Draws the sheet on the device's one page.
void drawSheet(const CalendarSheet& sheet, QPagedPaintDevice& device);

} // namespace rt
