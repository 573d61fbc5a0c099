#pragma once

#include "runtime/com/control.h"
#include "runtime/event_loop.h"

#include <array>

namespace rt {
class RichTextBox;
}
class TabStrip;

// The objectives tab control: up to six objective pages of rich text under a strip of tabs, and an
// optional last tab "All" whose page shows the texts of all the others. Hosts reach it by the ids of
// ctlTabIds.h; the inner strip and pages are reachable for the windows that look at the focused control.
class ctlTab : public rt::Control {
    Q_OBJECT
public:
    ctlTab(QWidget* parent, rt::EventLoop& loop);

    rt::Value invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) override;
    std::span<const rt::Member> members() const override;

    void initProperties() override;
    void readProperties(rt::PropertyBag& bag) override;
    void writeProperties(rt::PropertyBag& bag) override;

    TabStrip& Ptab() const { return *strip_; }
    // Pages 1 to 7; error 340 for any other index.
    rt::RichTextBox& rtb(int index) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString selText() const;
    void setSelText(const QString& text);
    qint16 GetTabIndex() const;
    void SetCaption(qint16 index, const QString& caption);
    void SetRichTextBox(qint16 numTabs);
    void SetTabIndex(qint16 index);
    void setTEditable(bool editable);
    void setTEnabled(bool enabled);
    void setTNumTabs(qint16 num);
    void setTShowAllTab(bool show);
    void SetText(qint16 index, const QString& richText);
    void ResetNumTabs(qint16 num);
    void ResetShowAllTab(bool show);
    QString GetText(qint16 index, bool rich);
    void BuildAllTab();
    void ResetEditable();
    void ResetEnabled(bool enabled);

    QRect clientArea() const;
    void constructTabs(int num, bool loading);
    void addAllTab();
    void placePage(int index);
    void showSelectedPage();
    void Ptab_Click();
    void Ptab_KeyDown(int keyCode, int shift);
    void rtb_Change(int index);

    rt::EventLoop& loop_;
    TabStrip* strip_;
    std::array<rt::RichTextBox*, 7> rtb_{};
    std::array<bool, 7> placed_{}; // pages moved onto the client area, which follow it when it resizes

    qint16 TNumTabs_ = 0;
    bool TShowAllTab_ = false;
    bool TEditable_ = false;
    bool TEnabled_ = false;
    bool suppress_ = false; // set by SetText, consumed by the next change of any page
};

// The control as its libraries create it.
rt::Control* createCtlTab(QWidget* parent);
