#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace rt {

// The program's own pictures, by number as the windows load them: bitmaps 1001 (every image
// control), 1901 to 1904 (arrows left, right, up, down on buttons), 101 (the wizard's drag icon);
// icons 1 (the main window) and 1101 (the dialogs); and the main window's image list.
class Pictures {
public:
    // Error 326 when there is no such picture.
    static QPixmap bitmap(int number);
    static QIcon icon(int number);
    // The image list's pictures by key, "DragCopy" and "DragMove"; error 35601 for another key.
    static QPixmap imageListPicture(const QString& key);
};

} // namespace rt
