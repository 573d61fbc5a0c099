// lk_install_course SETTINGS KEY FOLDER: installs the built course in FOLDER under KEY into the settings
// file SETTINGS (made when missing).
#include "install_course.h"
#include "runtime/settings.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: lk_install_course SETTINGS KEY FOLDER\n";
        return 2;
    }
    rt::IniSettings settings(args[0]);
    const QString error = InstallCourse(settings, args[1], args[2]);
    if (!error.isEmpty()) {
        QTextStream(stderr) << "lk_install_course: " << error << '\n';
        return 1;
    }
    return 0;
}
