#include "controls/weekcell/WeekViewCellIds.h"
#include "runtime/com/class_factory.h"
#include "runtime/com/component_registry.h"
#include "runtime/com/control.h"
#include "runtime/error.h"
#include "runtime/settings.h"
#include "runtime/testing/control_libraries.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString cvCell = QFileInfo(CVCELL_OCX).canonicalFilePath();
const QString tfCell = QFileInfo(TFWEEKVIEWCELL_OCX).canonicalFilePath();

using Libraries = rt::ControlLibraries;

TEST_F(Libraries, BothBuildsRegisterAndAreCreatedByTheirIdentifiers) {
    registerBothBuilds({CVCELL_OCX, "CVCell.WeekViewCell"},
                       {TFWEEKVIEWCELL_OCX, "TFWeekViewCell.WeekViewCell"});
    const QUuid cvId = registry.classId("CVCell.WeekViewCell");
    EXPECT_EQ(settings.get("Components", "CLSID\\" + cvId.toString().toUpper(), "Version"), "1.01");

    QWidget form;
    form.resize(200, 100);
    rt::Control* cv = registry.create("CVCell.WeekViewCell", &form);
    rt::Control* tf = registry.create("TFWeekViewCell.WeekViewCell", &form);
    EXPECT_EQ(cv->parentWidget(), &form);
    EXPECT_EQ(canUnloadNow("CVCell.WeekViewCell"), rt::S_FALSE);
    EXPECT_EQ(canUnloadNow("TFWeekViewCell.WeekViewCell"), rt::S_FALSE);

    // The host calls the created cell by id and handles its events.
    rt::let(*cv, WeekViewCellId::DateText, rt::Value("Friday"));
    EXPECT_EQ(rt::get(*cv, WeekViewCellId::DateText).toString(), "Friday");
    QList<int> events;
    QObject::connect(cv, &rt::Control::raised, [&](int event, rt::Args&) { events << event; });
    form.show();
    cv->setGeometry(0, 0, 120, 75);
    QTest::mouseClick(cv->findChild<QLabel*>("lblDate"), Qt::LeftButton);
    EXPECT_EQ(events, QList<int>{WeekViewCellId::Click});

    delete cv;
    EXPECT_EQ(canUnloadNow("CVCell.WeekViewCell"), rt::S_OK);
    EXPECT_EQ(canUnloadNow("TFWeekViewCell.WeekViewCell"), rt::S_FALSE);
    delete tf;
    EXPECT_EQ(canUnloadNow("TFWeekViewCell.WeekViewCell"), rt::S_OK);
}

TEST_F(Libraries, AClassTheLibraryDoesNotMakeIs429) {
    ASSERT_EQ(rt::libraryEntry<rt::DllRegisterServerFn>(cvCell, "DllRegisterServer")(), rt::S_OK);
    const QUuid cvId = registry.classId("CVCell.WeekViewCell");
    registry.enter("CVCell.WeekViewCell", cvId, tfCell, "1.01");
    try {
        delete registry.create("CVCell.WeekViewCell", nullptr);
        FAIL() << "created";
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number, 429);
        EXPECT_TRUE(e.description.contains("does not provide the class")) << e.description.toStdString();
    }
    void* factory = nullptr;
    const auto getClassObject = rt::libraryEntry<rt::DllGetClassObjectFn>(tfCell, "DllGetClassObject");
    EXPECT_EQ(getClassObject(cvId, QUuid(), &factory), rt::CLASS_E_CLASSNOTAVAILABLE);
}

TEST_F(Libraries, LkRegsvrRegistersAndUnregisters) {
    const auto run = [&](const QStringList& args, QString* output = nullptr) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LARKSPAN_SETTINGS", file);
        p.setProcessEnvironment(env);
        p.start(LK_REGSVR, args);
        p.waitForFinished();
        if (output) *output = QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
        return p.exitCode();
    };
    QString output;
    ASSERT_EQ(run({cvCell, tfCell}, &output), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("DllRegisterServer in " + cvCell + " succeeded.")) << output.toStdString();
    EXPECT_EQ(registry.library(registry.classId("TFWeekViewCell.WeekViewCell")), tfCell);

    EXPECT_EQ(run({"-u", cvCell}), 0);
    EXPECT_TRUE(registry.classId("CVCell.WeekViewCell").isNull());
    EXPECT_FALSE(registry.classId("TFWeekViewCell.WeekViewCell").isNull());

    // A file that is no control library fails and leaves the others registered.
    EXPECT_EQ(run({dir.filePath("nothing.ocx"), cvCell}, &output), 1);
    EXPECT_TRUE(output.contains("nothing.ocx: cannot be loaded")) << output.toStdString();
    EXPECT_FALSE(registry.classId("CVCell.WeekViewCell").isNull());
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({"-x", cvCell}), 2);
}

} // namespace
