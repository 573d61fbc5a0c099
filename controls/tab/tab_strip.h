#pragma once

#include <QRect>
#include <QWidget>

class QTabBar;

// The tab strip the objective pages lie on: tabs counted from 1, each with a key and a caption, of one
// fixed width where they all fit, every tab reachable where they do not; the area under the tabs is the
// client area the pages are placed on. An index without a tab is error 35600.
class TabStrip : public QWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);

    int count() const;
    void clear();
    void add(int index, const QString& key, const QString& caption);
    void remove(int index);
    QString key(int index) const;
    QString caption(int index) const;
    void setCaption(int index, const QString& caption);
    int selectedIndex() const; // 0 when there is no tab
    void select(int index);

    // In the coordinates of the strip's parent, as the pages are placed there.
    QRect clientArea() const;
    void setTabFixedWidth(int px);

signals:
    // The selected tab changed: by a click, a key, or `select`.
    void clicked();
    // Tab and Shift+Tab on the strip, with the shift state (1 Shift, 2 Ctrl, 4 Alt); the keys move no
    // focus of their own.
    void keyDown(int keyCode, int shift);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int checked(int index) const;
    int tabRowHeight() const;
    void fitBar();

    QTabBar* bar_;
};
