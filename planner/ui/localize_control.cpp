#include "localize_control.h"

#include "image_control.h"
#include "resources/pictures.h"
#include "runtime/error.h"
#include "runtime/strings.h"
#include "runtime/value/value.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>

namespace {

enum class ControlType { Label, Menu, TabStrip, Toolbar, ListView, Image, TextBox, Line, CheckBox, Other };

ControlType typeOf(QObject* ctl) {
    if (qobject_cast<ImageControl*>(ctl)) return ControlType::Image; // before its base, the label
    if (qobject_cast<QLabel*>(ctl)) return ControlType::Label;
    if (qobject_cast<QAction*>(ctl)) return ControlType::Menu;
    if (qobject_cast<QTabBar*>(ctl)) return ControlType::TabStrip;
    if (qobject_cast<QToolBar*>(ctl)) return ControlType::Toolbar;
    if (qobject_cast<QTreeWidget*>(ctl)) return ControlType::ListView;
    if (qobject_cast<QLineEdit*>(ctl) || qobject_cast<QPlainTextEdit*>(ctl)) return ControlType::TextBox;
    if (auto* frame = qobject_cast<QFrame*>(ctl);
        frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine))
        return ControlType::Line;
    if (qobject_cast<QCheckBox*>(ctl)) return ControlType::CheckBox;
    return ControlType::Other;
}

// The text of a number held as a whole text: error 13 when the text is no number.
QString textOf(const QString& number) {
    return rt::StringTable::get(rt::Value(number).toInt16());
}

QString tagOf(const QObject* ctl) {
    return ctl->property(TagProperty).toString();
}

void setCaption(QObject* ctl, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(ctl))
        button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(ctl))
        frame->setTitle(text);
    else
        throw rt::RuntimeError(438);
}

// Buttons and the rest take a number only where the text starts with one above 0.
void localizeOther(QObject* ctl) {
    if (const double tag = rt::Val(tagOf(ctl)); tag > 0)
        setCaption(ctl, rt::StringTable::get(rt::roundToInt32(tag)));
    auto* widget = qobject_cast<QWidget*>(ctl);
    if (!widget) return;
    if (const double tip = rt::Val(widget->toolTip()); tip >= 1)
        widget->setToolTip(rt::StringTable::get(rt::roundToInt32(tip)));
}

} // namespace

void LocalizeControl(QObject* ctl) {
    switch (typeOf(ctl)) {
    case ControlType::Label: static_cast<QLabel*>(ctl)->setText(textOf(tagOf(ctl))); break;
    case ControlType::Menu: {
        auto* item = static_cast<QAction*>(ctl);
        item->setText(textOf(item->text()));
        break;
    }
    case ControlType::TabStrip: {
        auto* tabs = static_cast<QTabBar*>(ctl);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setTabText(i, textOf(tabs->tabData(i).toString()));
            tabs->setTabToolTip(i, textOf(tabs->tabToolTip(i)));
        }
        break;
    }
    case ControlType::Toolbar:
        for (QAction* button : static_cast<QToolBar*>(ctl)->actions())
            if (!button->isSeparator()) button->setToolTip(textOf(button->toolTip()));
        break;
    case ControlType::ListView: {
        QTreeWidgetItem* headers = static_cast<QTreeWidget*>(ctl)->headerItem();
        for (int column = 0; column < headers->columnCount(); ++column)
            headers->setText(column, textOf(headers->data(column, Qt::UserRole).toString()));
        break;
    }
    case ControlType::Image: static_cast<ImageControl*>(ctl)->setPixmap(rt::Pictures::bitmap(1001)); break;
    case ControlType::TextBox:
        if (auto* box = qobject_cast<QLineEdit*>(ctl))
            box->setText(textOf(tagOf(ctl)));
        else
            static_cast<QPlainTextEdit*>(ctl)->setPlainText(textOf(tagOf(ctl)));
        break;
    case ControlType::Line: break;
    case ControlType::CheckBox: static_cast<QCheckBox*>(ctl)->setText(textOf(tagOf(ctl))); break;
    case ControlType::Other: localizeOther(ctl); break;
    }
}
