#pragma once

#include <QObject>
#include <QStringList>

class QSocketNotifier;

namespace rt {

// Lets a test drive a program from outside, as a user would: the program writes a line to its standard
// output whenever one of its windows is shown, and runs the commands it reads from its standard input,
// one a line. What it writes:
//   shown <TAB> name <TAB> modality (0 none, 1 window, 2 application) <TAB> title <TAB> text
// The commands:
//   press CAPTION       clicks the button of the modal window whose caption, without its "&", is CAPTION
//   trigger NAME        triggers the menu item NAME
//   property NAME PROP  answers "property <TAB> NAME <TAB> PROP <TAB> value"
//   grab NAME FILE      saves a picture of the widget NAME as the PNG file FILE; answers
//                       "grabbed <TAB> FILE"
//   click NAME [TEXT]   a left click on the widget NAME, on its row shown as TEXT when it is or holds an
//                       item view, on its menu TEXT (without "&") when it is a menu bar; answers
//                       "clicked <TAB> NAME", or "clicked <TAB> TEXT" for a menu
//   expand NAME TEXT    opens the row shown as TEXT of the item view in NAME; answers
//                       "expanded <TAB> TEXT"
//   type NAME TEXT      gives NAME the focus and types TEXT into it key by key; answers "typed <TAB> NAME"
//   geometry NAME       answers "geometry <TAB> NAME <TAB> x y width height", the inside of the window
//                       NAME on the screen
// A command that finds nothing answers "missing <TAB> command". A program makes one when the
// environment variable LARKSPAN_WINDOW_REPORT is set.
class WindowReport : public QObject {
    Q_OBJECT
public:
    static constexpr char variable[] = "LARKSPAN_WINDOW_REPORT";

    explicit WindowReport(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readCommands();
    void run(const QString& command);
    bool runOnWidget(const QString& verb, QWidget* widget, const QString& argument);
    static void say(const QStringList& fields);

    QSocketNotifier* input_;
    QByteArray pending_;
};

} // namespace rt
