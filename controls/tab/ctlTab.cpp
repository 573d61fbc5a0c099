#include "ctlTab.h"

#include "ctlTabIds.h"
#include "runtime/com/twips.h"
#include "runtime/error.h"
#include "runtime/outside/richtext/rich_text_box.h"
#include "runtime/text.h"
#include "tab_strip.h"

#include <QResizeEvent>
#include <QSignalBlocker>

namespace {

using rt::CallKind;
using rt::VarType;
constexpr int getLet = int(CallKind::Get) | int(CallKind::Let);
constexpr int method = int(CallKind::Method);

constexpr rt::Member memberTable[] = {
    {ctlTabId::SelText, "SelText", getLet, VarType::String},
    {ctlTabId::GetTabIndex, "GetTabIndex", method, VarType::Integer},
    {ctlTabId::SetCaption, "SetCaption", method},
    {ctlTabId::SetRichTextBox, "SetRichTextBox", method},
    {ctlTabId::SetTabIndex, "SetTabIndex", method},
    {ctlTabId::TEditable, "TEditable", getLet, VarType::Boolean},
    {ctlTabId::TEnabled, "TEnabled", getLet, VarType::Boolean},
    {ctlTabId::TNumTabs, "TNumTabs", getLet, VarType::Integer},
    {ctlTabId::TShowAllTab, "TShowAllTab", getLet, VarType::Boolean},
    {ctlTabId::SetText, "SetText", method},
    {ctlTabId::ResetNumTabs, "ResetNumTabs", method},
    {ctlTabId::ResetShowAllTab, "ResetShowAllTab", method},
    {ctlTabId::GetText, "GetText", method, VarType::String},
    {ctlTabId::BuildAllTab, "BuildAllTab", method},
    {ctlTabId::ResetEditable, "ResetEditable", method},
    {ctlTabId::ResetEnabled, "ResetEnabled", method},
};

constexpr int pageCount = 7;
constexpr int maxObjectiveTabs = 6;
const QString allCaption = QStringLiteral("All");

QString tabKey(int index) {
    return QStringLiteral("Tab%1").arg(index);
}

// Loading goes on after a failing step; everywhere else the error reaches the caller.
template <typename F> void step(bool loading, F&& f) {
    if (!loading) return f();
    try {
        f();
    } catch (const rt::RuntimeError&) {
    }
}

} // namespace

ctlTab::ctlTab(QWidget* parent, rt::EventLoop& loop)
    : rt::Control(parent), loop_(loop), strip_(new TabStrip(this)) {
    for (int i = 0; i < pageCount; ++i) {
        auto* page = new rt::RichTextBox(this);
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(8.25);
        page->setFont(font);
        page->setLocked(true);
        page->hide();
        connect(page, &rt::RichTextBox::changed, this, [this, i] { rtb_Change(i + 1); });
        connect(page, &rt::RichTextBox::keyPress, this, [](rt::Args& keyAscii) {
            // A tab never goes into a page, nor the two characters that mark fields in the exchange file.
            const int code = keyAscii.value(0).toInt16();
            if (code == 9 || code == 254 || code == 255) keyAscii[0] = rt::Value::integer(0);
        });
        rtb_[i] = page;
    }
    strip_->lower();
    connect(strip_, &TabStrip::clicked, this, [this] {
        try {
            Ptab_Click();
        } catch (const rt::RuntimeError&) {
            // Nothing a click does may fail past the window system.
        }
    });
    connect(strip_, &TabStrip::keyDown, this, &ctlTab::Ptab_KeyDown);
}

rt::RichTextBox& ctlTab::rtb(int index) const {
    if (index < 1 || index > pageCount)
        throw rt::RuntimeError(340, QStringLiteral("Control array element '%1' doesn't exist").arg(index));
    return *rtb_[index - 1];
}

std::span<const rt::Member> ctlTab::members() const {
    return memberTable;
}

rt::Value ctlTab::invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) {
    checkMember(id, kind);
    const bool get = kind == CallKind::Get;
    const auto arg = [&](qsizetype i) -> const rt::Value& { return rt::argument(args, i); };
    switch (id) {
    case ctlTabId::SelText:
        if (get) return selText();
        setSelText(arg(0).toString());
        return {};
    case ctlTabId::TEditable:
        if (get) return rt::Value::boolean(TEditable_);
        setTEditable(arg(0).toBool());
        return {};
    case ctlTabId::TEnabled:
        if (get) return rt::Value::boolean(TEnabled_);
        setTEnabled(arg(0).toBool());
        return {};
    case ctlTabId::TNumTabs:
        if (get) return rt::Value::integer(TNumTabs_);
        setTNumTabs(arg(0).toInt16());
        return {};
    case ctlTabId::TShowAllTab:
        if (get) return rt::Value::boolean(TShowAllTab_);
        setTShowAllTab(arg(0).toBool());
        return {};
    case ctlTabId::GetTabIndex: return rt::Value::integer(GetTabIndex());
    case ctlTabId::SetCaption: SetCaption(arg(0).toInt16(), arg(1).toString()); return {};
    case ctlTabId::SetRichTextBox: SetRichTextBox(arg(0).toInt16()); return {};
    case ctlTabId::SetTabIndex: SetTabIndex(arg(0).toInt16()); return {};
    case ctlTabId::SetText: SetText(arg(0).toInt16(), arg(1).toString()); return {};
    case ctlTabId::ResetNumTabs: ResetNumTabs(arg(0).toInt16()); return {};
    case ctlTabId::ResetShowAllTab: ResetShowAllTab(arg(0).toBool()); return {};
    case ctlTabId::GetText: return GetText(arg(0).toInt16(), arg(1).toBool());
    case ctlTabId::BuildAllTab: BuildAllTab(); return {};
    case ctlTabId::ResetEditable: ResetEditable(); return {};
    case ctlTabId::ResetEnabled: ResetEnabled(arg(0).toBool()); return {};
    }
    throw rt::RuntimeError(438);
}

// A new control has no tabs yet, so there is no tab width to set.
void ctlTab::initProperties() {}

void ctlTab::readProperties(rt::PropertyBag& bag) {
    step(true, [&] { TNumTabs_ = bag.readProperty("TNumTabs", rt::Value::integer(4)).toInt16(); });
    step(true, [&] { TShowAllTab_ = bag.readProperty("TShowAllTab", rt::Value::boolean(false)).toBool(); });
    step(true, [&] { TEditable_ = bag.readProperty("TEditable", rt::Value::boolean(false)).toBool(); });
    step(true, [&] { TEnabled_ = bag.readProperty("TEnabled", rt::Value::boolean(true)).toBool(); });
    constructTabs(TNumTabs_, true);
}

void ctlTab::writeProperties(rt::PropertyBag& bag) {
    bag.writeProperty("TNumTabs", rt::Value::integer(TNumTabs_), rt::Value::integer(4));
    bag.writeProperty("TShowAllTab", rt::Value::boolean(TShowAllTab_), rt::Value::boolean(false));
    bag.writeProperty("TEditable", rt::Value::boolean(TEditable_), rt::Value::boolean(false));
    bag.writeProperty("TEnabled", rt::Value::boolean(TEnabled_), rt::Value::boolean(true));
}

void ctlTab::resizeEvent(QResizeEvent* event) {
    rt::Control::resizeEvent(event);
    const QRect area = clientArea();
    for (int i = 1; i <= pageCount; ++i)
        if (placed_[i - 1]) rtb(i).setGeometry(area);
}

// The strip covers the whole control; it is brought to the control's size here too, as a control that
// is not shown yet gets its resize event only when it is.
QRect ctlTab::clientArea() const {
    strip_->setGeometry(rect());
    return strip_->clientArea();
}

// The tabs for `num` objective tabs, as loading and ResetNumTabs build them.
void ctlTab::constructTabs(int num, bool loading) {
    {
        const QSignalBlocker quiet(strip_);
        step(loading, [&] { strip_->clear(); });
        step(loading, [&] {
            for (int k = 1; k <= std::min(num, maxObjectiveTabs); ++k) strip_->add(k, tabKey(k), QString());
        });
        step(loading, [&] {
            for (int i = 1; i <= std::min(num, pageCount); ++i) {
                placePage(i);
                rtb(i).setLocked(!TEditable_);
            }
        });
        step(loading, [&] {
            if (TShowAllTab_) addAllTab();
        });
        step(loading, [&] {
            // The tab width in twips, from the client area's width.
            const double clientWidth = rt::twips::fromPx(clientArea().width());
            const int n = loading ? TNumTabs_ + (TShowAllTab_ ? 1 : 0) : num;
            if (n <= 0) return;
            const qint32 width = rt::roundToInt32((clientWidth + (loading ? 70 : 65)) / n);
            if (width > 0) strip_->setTabFixedWidth(rt::twips::toPx(width));
        });
        showSelectedPage();
    }
    strip_->update();
    loop_.yield();
    if (loading) {
        step(loading, [&] { SetRichTextBox(qint16(strip_->count())); });
    } else if (TShowAllTab_ && num >= 1 && num <= pageCount) {
        rtb(num).setLocked(true); // the last objective page
    }
}

void ctlTab::addAllTab() {
    const int index = strip_->count() + 1;
    strip_->add(index, tabKey(index), allCaption);
    placePage(index);
}

void ctlTab::placePage(int index) {
    rtb(index).setGeometry(clientArea());
    placed_[index - 1] = true;
}

// The selected tab's page lies in front: it is the one shown.
void ctlTab::showSelectedPage() {
    const int selected = strip_->selectedIndex();
    for (int i = 1; i <= pageCount; ++i) rtb(i).setVisible(i == selected);
    if (selected >= 1 && selected <= pageCount) rtb(selected).raise();
}

QString ctlTab::selText() const {
    return rtb(GetTabIndex()).selText();
}

void ctlTab::setSelText(const QString& text) {
    rtb(GetTabIndex()).setSelText(text);
}

qint16 ctlTab::GetTabIndex() const {
    const int selected = strip_->selectedIndex();
    if (selected == 0) throw rt::RuntimeError(91);
    return qint16(selected);
}

void ctlTab::SetCaption(qint16 index, const QString& caption) {
    strip_->setCaption(index, caption);
}

void ctlTab::SetRichTextBox(qint16 numTabs) {
    for (int i = 1; i <= std::min<int>(numTabs, pageCount); ++i) {
        placePage(i);
        rtb(i).setLocked(!TEditable_);
    }
    if (TShowAllTab_ && numTabs >= 1 && numTabs <= pageCount) rtb(numTabs).setLocked(true);
}

void ctlTab::SetTabIndex(qint16 index) {
    strip_->select(index);
}

void ctlTab::setTEditable(bool editable) {
    if (editable == TEditable_) return;
    TEditable_ = editable;
    emit propertyChanged(QStringLiteral("TEditable"));
    ResetEditable();
}

void ctlTab::setTEnabled(bool enabled) {
    if (enabled == TEnabled_) return;
    TEnabled_ = enabled;
    emit propertyChanged(QStringLiteral("TEnabled"));
    ResetEnabled(enabled);
}

void ctlTab::setTNumTabs(qint16 num) {
    if (num == TNumTabs_) return;
    TNumTabs_ = num;
    emit propertyChanged(QStringLiteral("TNumTabs"));
    ResetNumTabs(num);
}

void ctlTab::setTShowAllTab(bool show) {
    if (show == TShowAllTab_) return;
    TShowAllTab_ = show;
    emit propertyChanged(QStringLiteral("TShowAllTab"));
    ResetShowAllTab(show);
}

void ctlTab::SetText(qint16 index, const QString& richText) {
    const int count = strip_->count();
    if (index > count) return;
    if (index == count && TShowAllTab_) return; // the All page is composed, never set
    rt::RichTextBox& page = rtb(index);
    suppress_ = true;
    page.setTextRtf(richText);
}

void ctlTab::ResetNumTabs(qint16 num) {
    constructTabs(num, false);
}

void ctlTab::ResetShowAllTab(bool show) {
    {
        const QSignalBlocker quiet(strip_);
        const int last = strip_->count();
        const bool hasAll = last > 0 && rt::trimSpaces(strip_->caption(last)) == allCaption;
        if (hasAll && !show) {
            strip_->remove(last);
        } else if (!hasAll && show) {
            addAllTab();
            BuildAllTab();
        }
        showSelectedPage();
    }
    loop_.yield();
}

QString ctlTab::GetText(qint16 index, bool rich) {
    const int count = strip_->count();
    if (index < 1 || index > count) return QString();
    if (index == count && TShowAllTab_) BuildAllTab();
    return rich ? rtb(index).textRtf() : rtb(index).text();
}

// Each other tab's caption in capitals over its page's plain text, and an empty line.
void ctlTab::BuildAllTab() {
    const int n = strip_->count();
    if (n == 0) return;
    QString s;
    for (int i = 1; i < n; ++i)
        s += rt::trimSpaces(strip_->caption(i)).toUpper() + QStringLiteral("\r\n") + rtb(i).text() +
             QStringLiteral("\r\n\r\n");
    rtb(n).setText(s);
}

void ctlTab::ResetEditable() {
    for (int i = 1; i <= std::min<int>(TNumTabs_, pageCount); ++i) rtb(i).setLocked(!TEditable_);
    // While the All tab shows, the last objective page is not typed into.
    if (TEditable_ && TShowAllTab_ && TNumTabs_ >= 1 && TNumTabs_ <= pageCount)
        rtb(TNumTabs_).setLocked(true);
}

void ctlTab::ResetEnabled(bool enabled) {
    setEnabled(enabled);
}

void ctlTab::Ptab_Click() {
    showSelectedPage();
    const int selected = strip_->selectedIndex();
    if (selected == 0) return;
    rtb(selected).setFocus();
    if (selected == strip_->count() && TShowAllTab_) BuildAllTab();
}

void ctlTab::Ptab_KeyDown(int keyCode, int shift) {
    if (keyCode != 9 || (shift != 0 && shift != 1)) return;
    const int count = strip_->count(), current = strip_->selectedIndex();
    int target = shift == 0 ? current + 1 : current - 1;
    if (target > count) target = 1;
    if (target < 1) target = TNumTabs_;
    try {
        strip_->select(target);
    } catch (const rt::RuntimeError&) {
        // A move to a tab that is not there is ignored.
    }
}

void ctlTab::rtb_Change(int index) {
    if (suppress_) {
        suppress_ = false;
        return;
    }
    if (!TShowAllTab_ || index == TNumTabs_) return;
    rt::Args args{rt::Value::integer(qint16(index))};
    raiseEvent(ctlTabId::ObjectiveDirty, args);
}

rt::Control* createCtlTab(QWidget* parent) {
    static rt::QtEventLoop loop;
    return new ctlTab(parent, loop);
}
