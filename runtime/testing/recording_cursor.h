#pragma once

#include "../cursor.h"

#include <QList>
#include <map>

namespace rt {

// Remembers the pointers set, so tests can assert the default comes back on every path.
class RecordingCursor : public Cursor {
public:
    void setPointer(QWidget* window, Pointer pointer) override {
        windows_[window] = pointer;
        history.append(pointer);
    }
    Pointer pointer(const QWidget* window) const override {
        const auto it = windows_.find(window);
        return it == windows_.end() ? Pointer::Default : it->second;
    }
    Pointer screenPointer() const override { return screen_; }
    void setScreenPointer(Pointer pointer) override {
        screen_ = pointer;
        history.append(pointer);
    }

    QList<Pointer> history;

private:
    std::map<const QWidget*, Pointer> windows_;
    Pointer screen_ = Pointer::Default;
};

} // namespace rt
