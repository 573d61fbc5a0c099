#include "tab_strip.h"

#include "runtime/com/event_args.h"
#include "runtime/error.h"

#include <QKeyEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace {

// Tabs of one fixed width while they all fit in the strip. When they do not, the width narrows until
// they do, but never below a caption's own width; only when even the captions' own widths overflow
// are the captions shortened (ending in "…") and the strip's arrows scroll to the tabs beyond.
class FixedWidthTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit FixedWidthTabBar(QWidget* parent) : QTabBar(parent) {
        setExpanding(false);
        setDrawBase(false);
        setUsesScrollButtons(true);
        setElideMode(Qt::ElideRight);
    }

    void setFixedWidth(int px) {
        width_ = px;
        relayout();
    }

    // The bar lays its tabs out again only when a tab changes: a caption set to itself does that.
    void relayout() {
        if (count() > 0) setTabText(0, tabText(0));
        updateGeometry();
    }

signals:
    void tabKey(int shift);

protected:
    QSize tabSizeHint(int index) const override {
        QSize s = QTabBar::tabSizeHint(index);
        if (!ownWidths_) s.setWidth(std::max(s.width(), sharedWidth()));
        return s;
    }

    // The shortest a tab may become: its shortened caption's own width.
    QSize minimumTabSizeHint(int index) const override {
        ownWidths_ = true;
        const QSize s = QTabBar::minimumTabSizeHint(index);
        ownWidths_ = false;
        return s;
    }

    // Tab keys come here before the focus would move on.
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
                emit tabKey(rt::shiftState(k->modifiers()));
                return true;
            }
        }
        return QTabBar::event(e);
    }

private:
    // The widest width up to the fixed one at which every tab, each at least its caption's own width,
    // fits in the bar; 0 when even the captions' own widths do not fit.
    int sharedWidth() const {
        if (width_ <= 0) return 0;
        QList<int> own;
        for (int i = 0; i < count(); ++i) own << QTabBar::tabSizeHint(i).width();
        const auto fits = [&](int w) {
            int total = 0;
            for (int n : own) total += std::max(n, w);
            return total <= width();
        };
        if (fits(width_)) return width_;
        if (!fits(0)) return 0;
        int low = 0, high = width_; // fits(low), !fits(high)
        while (high - low > 1) {
            const int mid = (low + high) / 2;
            (fits(mid) ? low : high) = mid;
        }
        return low;
    }

    int width_ = 0;
    mutable bool ownWidths_ = false;
};

constexpr int frameWidth = 2;

} // namespace

TabStrip::TabStrip(QWidget* parent) : QWidget(parent), bar_(new FixedWidthTabBar(this)) {
    connect(bar_, &QTabBar::currentChanged, this, [this] { emit clicked(); });
    connect(static_cast<FixedWidthTabBar*>(bar_), &FixedWidthTabBar::tabKey, this,
            [this](int shift) { emit keyDown(9, shift); });
}

int TabStrip::checked(int index) const {
    if (index < 1 || index > bar_->count())
        throw rt::RuntimeError(35600, QStringLiteral("Index out of bounds"));
    return index - 1;
}

int TabStrip::count() const {
    return bar_->count();
}

void TabStrip::clear() {
    while (bar_->count() > 0) bar_->removeTab(bar_->count() - 1);
}

void TabStrip::add(int index, const QString& key, const QString& caption) {
    if (index < 1 || index > bar_->count() + 1)
        throw rt::RuntimeError(35600, QStringLiteral("Index out of bounds"));
    bar_->insertTab(index - 1, caption);
    bar_->setTabData(index - 1, key);
}

void TabStrip::remove(int index) {
    bar_->removeTab(checked(index));
}

QString TabStrip::key(int index) const {
    return bar_->tabData(checked(index)).toString();
}

QString TabStrip::caption(int index) const {
    return bar_->tabText(checked(index));
}

void TabStrip::setCaption(int index, const QString& caption) {
    bar_->setTabText(checked(index), caption);
}

int TabStrip::selectedIndex() const {
    return bar_->currentIndex() + 1;
}

void TabStrip::select(int index) {
    bar_->setCurrentIndex(checked(index));
}

int TabStrip::tabRowHeight() const {
    const int h = bar_->sizeHint().height();
    return h > 0 ? h
                 : fontMetrics().height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, nullptr, this);
}

QRect TabStrip::clientArea() const {
    const int top = tabRowHeight() + frameWidth;
    return QRect(x() + frameWidth, y() + top, std::max(width() - 2 * frameWidth, 0),
                 std::max(height() - top - frameWidth, 0));
}

void TabStrip::setTabFixedWidth(int px) {
    fitBar();
    static_cast<FixedWidthTabBar*>(bar_)->setFixedWidth(px);
}

// The bar spans the strip, also before the strip is first shown (when it has had no resize event), since
// the tabs' widths follow the bar's.
void TabStrip::fitBar() {
    bar_->setGeometry(0, 0, width(), tabRowHeight());
}

void TabStrip::resizeEvent(QResizeEvent*) {
    fitBar();
    static_cast<FixedWidthTabBar*>(bar_)->relayout();
}

void TabStrip::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, tabRowHeight(), 0, 0);
    frame.shape = QTabBar::RoundedNorth;
    p.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

#include "tab_strip.moc"
