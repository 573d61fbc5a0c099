#include "window_report.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <QTreeView>
#include <QWidget>
#include <cstdio>
#include <unistd.h>

namespace rt {

namespace {

QString nameOf(const QObject* object) {
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

// The shown windows first: a program may keep several of one kind, of which one is open. A window or
// control without a name goes by its class.
QObject* findNamed(const QString& name) {
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (bool shown : {true, false}) {
        for (QWidget* window : windows)
            if (window->isVisible() == shown && nameOf(window) == name) return window;
        for (QWidget* window : windows) {
            if (window->isVisible() != shown) continue;
            if (QObject* found = window->findChild<QObject*>(name)) return found;
            // An unnamed control by its class, as the menu bar of a main window.
            for (QObject* child : window->findChildren<QObject*>())
                if (child->objectName().isEmpty() && nameOf(child) == name) return child;
        }
    }
    return nullptr;
}

// The item view that NAME is or holds, and its row shown as `text`.
QModelIndex rowOf(QWidget* widget, const QString& text, QAbstractItemView** view) {
    *view = qobject_cast<QAbstractItemView*>(widget);
    if (!*view) *view = widget->findChild<QAbstractItemView*>();
    if (!*view || !(*view)->model()) return {};
    QAbstractItemModel* model = (*view)->model();
    const QModelIndexList found =
        model->match(model->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}

void clickAt(QWidget* target, QPoint at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
}

} // namespace

WindowReport::WindowReport(QObject* parent)
    : QObject(parent), input_(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this)) {
    qApp->installEventFilter(this);
    connect(input_, &QSocketNotifier::activated, this, &WindowReport::readCommands);
}

bool WindowReport::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow())
            say({QStringLiteral("shown"), nameOf(widget), QString::number(widget->windowModality()),
                 widget->windowTitle(), widget->property("text").toString()});
    }
    return false;
}

void WindowReport::readCommands() {
    char buffer[4096];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) {
        input_->setEnabled(false); // the test closed its end
        return;
    }
    pending_.append(buffer, n);
    qsizetype end;
    while ((end = pending_.indexOf('\n')) >= 0) {
        const QString command = QString::fromUtf8(pending_.left(end)).trimmed();
        pending_.remove(0, end + 1);
        // Run from the event loop, so that a command that opens a modal window does not hold the reading.
        QTimer::singleShot(0, this, [this, command] { run(command); });
    }
}

void WindowReport::run(const QString& command) {
    const QString verb = command.section(u' ', 0, 0), rest = command.section(u' ', 1);
    if (verb == QLatin1String("press")) {
        if (QWidget* modal = QApplication::activeModalWidget())
            for (QAbstractButton* button : modal->findChildren<QAbstractButton*>())
                if (button->text().remove(u'&') == rest) {
                    button->click();
                    return;
                }
    } else if (verb == QLatin1String("trigger")) {
        if (auto* item = qobject_cast<QAction*>(findNamed(rest))) {
            item->trigger();
            return;
        }
    } else if (verb == QLatin1String("property")) {
        const QString name = rest.section(u' ', 0, 0), property = rest.section(u' ', 1);
        if (QObject* object = findNamed(name)) {
            say({verb, name, property, object->property(property.toLatin1().constData()).toString()});
            return;
        }
    } else if (verb == QLatin1String("click") || verb == QLatin1String("expand") ||
               verb == QLatin1String("type") || verb == QLatin1String("geometry")) {
        const QString name = rest.section(u' ', 0, 0), argument = rest.section(u' ', 1);
        if (auto* widget = qobject_cast<QWidget*>(findNamed(name));
            widget && runOnWidget(verb, widget, argument))
            return;
    } else if (verb == QLatin1String("grab")) {
        const QString name = rest.section(u' ', 0, 0), file = rest.section(u' ', 1);
        if (auto* widget = qobject_cast<QWidget*>(findNamed(name)); widget && widget->grab().save(file)) {
            say({QStringLiteral("grabbed"), file});
            return;
        }
    }
    say({QStringLiteral("missing"), command});
}

bool WindowReport::runOnWidget(const QString& verb, QWidget* widget, const QString& argument) {
    if (verb == QLatin1String("geometry")) {
        const QRect inside(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        say({verb, nameOf(widget),
             QStringLiteral("%1 %2 %3 %4")
                 .arg(inside.x())
                 .arg(inside.y())
                 .arg(inside.width())
                 .arg(inside.height())});
        return true;
    }
    if (verb == QLatin1String("type")) {
        widget->setFocus(Qt::OtherFocusReason);
        for (QChar c : argument) {
            QKeyEvent press(QEvent::KeyPress, c.isLetter() ? int(c.toUpper().unicode()) : 0, Qt::NoModifier,
                            QString(c));
            QApplication::sendEvent(widget, &press);
        }
        say({QStringLiteral("typed"), widget->objectName()});
        return true;
    }
    if (argument.isEmpty() && verb == QLatin1String("click")) {
        clickAt(widget, widget->rect().center());
        say({QStringLiteral("clicked"), widget->objectName()});
        return true;
    }
    if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
        for (QAction* menu : bar->actions())
            if (menu->text().remove(u'&') == argument) {
                clickAt(bar, bar->actionGeometry(menu).center());
                say({QStringLiteral("clicked"), argument});
                return true;
            }
        return false;
    }
    QAbstractItemView* view = nullptr;
    const QModelIndex row = rowOf(widget, argument, &view);
    if (!row.isValid()) return false;
    if (verb == QLatin1String("expand")) {
        auto* tree = qobject_cast<QTreeView*>(view);
        if (!tree) return false;
        tree->expand(row);
        say({QStringLiteral("expanded"), argument});
        return true;
    }
    view->scrollTo(row);
    clickAt(view->viewport(), view->visualRect(row).center());
    say({QStringLiteral("clicked"), widget->objectName()});
    return true;
}

void WindowReport::say(const QStringList& fields) {
    QStringList clean;
    for (QString f : fields) clean << f.replace(u'\n', u' ').replace(u'\t', u' ');
    std::fputs(qPrintable(clean.join(u'\t') + u'\n'), stdout);
    std::fflush(stdout);
}

} // namespace rt
