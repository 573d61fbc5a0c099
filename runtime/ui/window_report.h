#pragma once

#include <QObject>
#include <QStringList>

class QSocketNotifier;

namespace rt {

// Lets a test drive a program from outside, as a user would, without a display: the program writes a
// line to its standard output whenever one of its windows is shown, and runs the commands it reads
// from its standard input, one a line:
//   shown <TAB> name <TAB> modality (0 none, 1 window, 2 application) <TAB> title <TAB> text
//   press CAPTION          clicks the button of the modal window whose caption, without its "&", is CAPTION
//   trigger NAME           triggers the menu item NAME
//   property NAME PROP     answers "property <TAB> NAME <TAB> PROP <TAB> value"
//   grab NAME FILE         saves a picture of the widget NAME as the PNG file FILE, answers "grabbed <TAB>
//   FILE"
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
    static void say(const QStringList& fields);

    QSocketNotifier* input_;
    QByteArray pending_;
};

} // namespace rt
