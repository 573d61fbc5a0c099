#include "planner/ui/image_control.h"
#include "planner/ui/localize_control.h"
#include "resources/pictures.h"
#include "runtime/error.h"
#include "runtime/testing/error_of.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// One control as a window designs it, what shows after localisation, and the error when it fails.
struct Case {
    const char* what;
    std::function<QObject*()> make;
    std::function<QString(QObject*)> shows;
    QString expected;
    int error = 0;
};

template <class W> W* tagged(const char* tag) {
    auto* w = new W;
    w->setProperty(TagProperty, QString::fromUtf8(tag));
    return w;
}

QPushButton* button(const char* tag, const char* caption, const char* tip = "") {
    auto* b = tagged<QPushButton>(tag);
    b->setText(caption);
    b->setToolTip(tip);
    return b;
}

QString textOf(QObject* o) {
    if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(o)) return e->text();
    if (auto* a = qobject_cast<QAction*>(o)) return a->text();
    return {};
}

QString tipOf(QObject* o) {
    return qobject_cast<QWidget*>(o)->toolTip();
}

TEST(LocalizeControl, EachTypeTakesItsNumberFromItsOwnProperty) {
    const QList<Case> cases = {
        {"label", [] { return tagged<QLabel>("1101"); }, textOf, "Teacher:"},
        {"button, Tag 0", [] { return button("0", "&OK"); }, textOf, "&OK"},
        {"button, empty Tag", [] { return button("", "&OK"); }, textOf, "&OK"},
        {"button, Tag with a leading number", [] { return button("1409 next", "x"); }, textOf, "Next Day"},
        {"button, ToolTipText 1408", [] { return button("", "<", "1408"); }, tipOf, "Previous Day"},
        {"button, ToolTipText not a number", [] { return button("", "<", "Back"); }, tipOf, "Back"},
        {"option button, Tag", [] { return button("1402", "x"); }, textOf, "&Day View"},
        {"frame, Tag", [] { return tagged<QGroupBox>("1403"); },
         [](QObject* o) { return static_cast<QGroupBox*>(o)->title(); }, "&Week View"},
        {"menu", [] { return new QAction("1501"); }, textOf, "&File"},
        {"text box", [] { return tagged<QLineEdit>("1101"); }, textOf, "Teacher:"},
        {"check box", [] { return tagged<QCheckBox>("1404"); }, textOf, "&Month View"},
        {"line, left alone",
         [] {
             auto* line = tagged<QFrame>("no number");
             line->setFrameShape(QFrame::HLine);
             return line;
         },
         [](QObject* o) { return o->property(TagProperty).toString(); }, "no number"},
        {"label, Tag no number", [] { return tagged<QLabel>("Teacher"); }, textOf, "", 13},
        {"label, empty Tag", [] { return tagged<QLabel>(""); }, textOf, "", 13},
        {"text box, Tag out of range", [] { return tagged<QLineEdit>("70000"); }, textOf, "", 6},
        {"label, number without a string", [] { return tagged<QLabel>("9999"); }, textOf, "", 326},
        {"menu, caption no number", [] { return new QAction("&File"); }, textOf, "", 13},
        {"drop-down with a Tag number: no caption", [] { return tagged<QComboBox>("1101"); }, textOf, "",
         438},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<QObject> ctl(c.make());
        EXPECT_EQ(rt::errorOf([&] { LocalizeControl(ctl.get()); }), c.error);
        if (!c.error) {
            EXPECT_EQ(c.shows(ctl.get()), c.expected);
        }
    }
}

TEST(LocalizeControl, ImageControlsShowBitmap1001WhateverTheyShowed) {
    ImageControl image;
    image.setPixmap(rt::Pictures::bitmap(1901));
    LocalizeControl(&image);
    EXPECT_EQ(image.pixmap().toImage(), rt::Pictures::bitmap(1001).toImage());
}

TEST(LocalizeControl, CollectionsTreatEveryItem) {
    QTabBar tabs;
    for (const char* n : {"1402", "1403"}) {
        const int i = tabs.addTab(QStringLiteral("?"));
        tabs.setTabData(i, QString::fromUtf8(n));
        tabs.setTabToolTip(i, QStringLiteral("1408"));
    }
    LocalizeControl(&tabs);
    EXPECT_EQ(tabs.tabText(0), "&Day View");
    EXPECT_EQ(tabs.tabText(1), "&Week View");
    EXPECT_EQ(tabs.tabToolTip(1), "Previous Day");

    QToolBar bar;
    bar.addAction(QStringLiteral("a"))->setToolTip(QStringLiteral("1408"));
    bar.addSeparator();
    bar.addAction(QStringLiteral("b"))->setToolTip(QStringLiteral("1409"));
    LocalizeControl(&bar);
    EXPECT_EQ(bar.actions()[0]->toolTip(), "Previous Day");
    EXPECT_EQ(bar.actions()[2]->toolTip(), "Next Day");

    QTreeWidget list;
    list.setColumnCount(2);
    list.headerItem()->setData(0, Qt::UserRole, QStringLiteral("1101"));
    list.headerItem()->setData(1, Qt::UserRole, QStringLiteral("1404"));
    LocalizeControl(&list);
    EXPECT_EQ(list.headerItem()->text(0), "Teacher:");
    EXPECT_EQ(list.headerItem()->text(1), "&Month View");

    QTabBar broken;
    broken.addTab(QStringLiteral("?")); // a tab without its number
    EXPECT_THROW(LocalizeControl(&broken), rt::RuntimeError);
}

} // namespace
