// Both programs on a real X display with a window manager, as on a teacher's desktop: Xvfb with openbox.
// At each step the screen itself is read (the root window, what a person sees): the window shown is drawn
// there as it draws itself, and a dialog lies over the window that owns it.
#include "runtime/settings.h"
#include "tests/support/program_fixture.h"
#include "tests/support/reported_program.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <memory>

namespace {

// A program the test needs, and the Debian package that has it.
QString needed(const char* program, const char* package) {
    const QString path = QStandardPaths::findExecutable(QLatin1String(program));
    if (path.isEmpty())
        ADD_FAILURE() << program << " is missing: install the Debian package " << package
                      << " (scripts/install-deps.sh does)";
    return path;
}

QRect rectOf(const QString& line) {
    const QStringList n = line.section(u'\t', 2).split(u' ');
    return n.size() == 4 ? QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()) : QRect();
}

// The share of the pixels of `area` on the screen that equal the window's own picture, and of black ones.
struct Seen {
    double same = 0, black = 0;
};
Seen compare(const QImage& screen, const QRect& area, const QImage& own) {
    Seen seen;
    const int w = std::min(area.width(), own.width()), h = std::min(area.height(), own.height());
    if (w <= 0 || h <= 0 || !screen.rect().contains(area)) return seen;
    qint64 same = 0, black = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb s = screen.pixel(area.x() + x, area.y() + y);
            same += (s & 0xffffff) == (own.pixel(x, y) & 0xffffff);
            black += (s & 0xffffff) == 0;
        }
    seen.same = double(same) / (qint64(w) * h);
    seen.black = double(black) / (qint64(w) * h);
    return seen;
}

class RealDisplay : public ProgramFixture {
protected:
    RealDisplay() : ProgramFixture({CVCELL_OCX, CVTAB_OCX, CVTREE_OCX}) {}

    void SetUp() override {
        ProgramFixture::SetUp();
        const QString xvfb = needed("Xvfb", "xvfb"), openbox = needed("openbox", "openbox"),
                      import = needed("import", "imagemagick");
        ASSERT_FALSE(xvfb.isEmpty() || openbox.isEmpty() || import.isEmpty());
        import_ = import;
        // The server picks a free display itself and names it on its standard output.
        server_.start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        ASSERT_TRUE(server_.waitForStarted(ReportedProgram::waitMs));
        while (!server_.canReadLine()) ASSERT_TRUE(server_.waitForReadyRead(ReportedProgram::waitMs));
        display_ = u':' + QString::fromLatin1(server_.readLine()).trimmed();
        environment.insert("DISPLAY", display_);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("LARKSPAN_PRINT_TO_PDF", dir.filePath("printed"));
        // openbox runs its start-up command once it manages the screen; it may say other things first.
        manager_.setProcessEnvironment(environment);
        manager_.start(openbox, {"--startup", "echo managing"});
        ASSERT_TRUE(manager_.waitForStarted(ReportedProgram::waitMs));
        for (QString line; line != QLatin1String("managing");) {
            while (!manager_.canReadLine()) ASSERT_TRUE(manager_.waitForReadyRead(ReportedProgram::waitMs));
            line = QString::fromLatin1(manager_.readLine()).trimmed();
        }
    }
    void TearDown() override {
        for (QProcess* p : {&manager_, &server_}) {
            p->terminate();
            if (!p->waitForFinished(ReportedProgram::waitMs)) p->kill();
        }
    }

    QImage screen() {
        const QString file = dir.filePath("screen.png");
        QProcess shot;
        shot.start(import_, {"-display", display_, "-window", "root", file});
        if (!shot.waitForFinished(ReportedProgram::waitMs)) return {};
        return QImage(file);
    }

    QRect placeOf(ReportedProgram& program, const QString& name) {
        program.send("geometry " + name);
        return rectOf(program.lineStarting("geometry\t"));
    }

    // The window NAME as the screen shows it once it is drawn; over OWNER when one is named.
    void seenOnScreen(ReportedProgram& program, const QString& name, const QString& owner = {}) {
        SCOPED_TRACE(name.toStdString());
        const QString file = dir.filePath(name + ".png");
        // Drawn once the window manager has placed and mapped it and the program has painted it: read its
        // place, its own picture and the screen until then, a bounded number of times.
        QRect area;
        Seen seen;
        for (int look = 0; look < 40 && seen.same < 0.9; ++look) {
            area = placeOf(program, name);
            program.send(QStringLiteral("grab %1 %2").arg(name, file));
            ASSERT_EQ(program.lineStarting("grabbed\t"), "grabbed\t" + file);
            seen = compare(screen(), area, QImage(file));
        }
        EXPECT_GE(seen.same, 0.9) << "the window is not drawn on the screen as it draws itself";
        EXPECT_LT(seen.black, 0.5) << "a black window";
        if (owner.isEmpty()) return;
        const QRect under = placeOf(program, owner);
        EXPECT_TRUE(under.contains(area)) << "not over its owner";
        const QPoint off = area.center() - under.center();
        EXPECT_LT(off.manhattanLength(), (under.width() + under.height()) / 4) << "not centred on its owner";
    }
    // A command runs when the program yields to its event loop, so long work may still go on after it:
    // asks until the property has the value, a bounded number of times.
    bool becomes(ReportedProgram& program, const QString& name, const QString& property,
                 const QString& value) {
        for (int ask = 0; ask < 200; ++ask)
            if (program.property(name, property) == value) return true;
        return false;
    }
    QString display_;

private:
    QString import_;
    QProcess server_, manager_;
};

TEST_F(RealDisplay, EachWindowIsDrawnAndEachDialogLiesOverItsOwner) {
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(LK_COURSE_DIR "/fixtures/sample1.lkc"), dir.filePath("sample1.lkc")));
    {
        // The worked class as the first recently used one.
        rt::IniSettings settings(environment.value("LARKSPAN_SETTINGS"));
        settings.set("Brackwell Larkspan 2.0 Engine", "MRU", "MRU1", "sample1.lkc");
        settings.set("Brackwell Larkspan 2.0 Engine", "MRUFiles", "MRUFile1", dir.filePath("sample1.lkc"));
    }
    ReportedProgram larkspan(QStringLiteral(LK_PROGRAM_DIR "/Larkspan"), environment);
    larkspan.start("SAMPLE1");
    ASSERT_TRUE(larkspan.lineStarting("shown\tOpenApp").startsWith("shown\tOpenApp"));
    seenOnScreen(larkspan, "OpenApp", "PlanX");
    larkspan.send("press Cancel");

    larkspan.send("trigger mnuLRU1");
    EXPECT_TRUE(becomes(larkspan, "mnuFilePrint", "enabled", "true")) << "the worked class opens";
    seenOnScreen(larkspan, "PlanX");
    for (const char* view : {"mnuViewWeek", "mnuViewMonth", "mnuViewDay"}) {
        larkspan.send(QStringLiteral("trigger ") + view);
        EXPECT_TRUE(becomes(larkspan, "PlanX", "enabled", "true"));
        seenOnScreen(larkspan, "PlanX");
    }
    larkspan.send("click QMenuBar Edit");
    ASSERT_TRUE(larkspan.lineStarting("shown\tQMenu").startsWith("shown\tQMenu"));
    seenOnScreen(larkspan, "QMenu");
    larkspan.send("click QMenuBar Edit"); // closes it again
    ASSERT_EQ(larkspan.lineStarting("clicked\t"), "clicked\tEdit");
    EXPECT_EQ(larkspan.property("QMenu", "visible"), "false");

    const std::pair<const char*, const char*> dialogs[] = {{"click cmdInsertSpecial", "Special"},
                                                           {"click cmdScheduleLessons", "Schedule"},
                                                           {"trigger mnuFilePrint", "PrintOptions"}};
    for (const auto& [command, dialog] : dialogs) {
        larkspan.send(command);
        ASSERT_TRUE(larkspan.lineStarting(QStringLiteral("shown\t") + dialog).size()) << dialog;
        seenOnScreen(larkspan, dialog, "PlanX");
        larkspan.send(QStringLiteral("press ") + (dialog == QLatin1String("Special") ? "Close" : "Cancel"));
        EXPECT_NE(larkspan.property(dialog, "visible"), "true") << "closed"; // or unloaded
    }
    larkspan.send("trigger mnuFileExit");
    EXPECT_EQ(larkspan.exitCode(), 0);

    ReportedProgram trd(QStringLiteral(LK_PROGRAM_DIR "/TRD"), environment);
    trd.start("SAMPLE1");
    ASSERT_TRUE(trd.lineStarting("shown\tfrmMenu").size());
    seenOnScreen(trd, "frmMenu");
    trd.send("trigger mnuEdit");
    ASSERT_TRUE(trd.lineStarting("shown\tfrmTRD").size());
    seenOnScreen(trd, "frmTRD", "frmMenu");
    trd.send("press Close");
    EXPECT_EQ(trd.property("frmTRD", "visible"), "false");
    trd.send("trigger mnuExit");
    EXPECT_EQ(trd.exitCode(), 0);
}

} // namespace
