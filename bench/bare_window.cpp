// The toolkit's floor for a program's start: a bare application that shows one window, says "shown"
// when the window system shows it, and ends.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class Window : public QWidget {
protected:
    void showEvent(QShowEvent*) override {
        std::puts("shown");
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Window window;
    window.resize(640, 480);
    window.show();
    return app.exec();
}
