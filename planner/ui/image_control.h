#pragma once

#include <QLabel>

// An image control of a window: a label that shows only its picture, drawn to its size.
class ImageControl : public QLabel {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr) : QLabel(parent) { setScaledContents(true); }
};
