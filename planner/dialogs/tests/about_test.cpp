#include "planner/data/course_database.h"
#include "planner/dialogs/about.h"
#include "runtime/outside/richtext/rich_text_box.h"
#include "runtime/program_folder.h"
#include "shared/course_settings.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        rt::setProgramFolder(QStringLiteral(LK_PROGRAM_DIR));
        CourseSettings.AppTitle = "Sample Course";
        CourseSettings.CompanyName = "Brackwell";
        LoadedCourse = "SAMPLE1";
    }
    void TearDown() override {
        delete frmAbout::instance();
        rt::setProgramFolder({});
        LoadedCourse.clear();
    }

    QWidget owner;
};

TEST_F(AboutTest, ShowsTheProgramsTextVersionAndRights) {
    frmAbout* about = frmAbout::showAbout(&owner);
    EXPECT_EQ(frmAbout::showAbout(&owner), about); // one about box
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->parentWidget(), &owner) << "drawn over the main window and kept above it";
    EXPECT_EQ(about->windowTitle(), "Sample Course");
    EXPECT_TRUE(about->findChild<rt::RichTextBox*>("rtb1")->text().startsWith("Larkspan\r\n"));
    EXPECT_EQ(
        about->findChild<QLabel*>("lblInfo")->text(),
        "Sample Course v. 2.0\nCopyright \u00a9 2000 Brackwell and its licensees. All rights reserved.");
}

TEST_F(AboutTest, TheHiddenImageShowsTheDiagnostics) {
    frmAbout* about = frmAbout::showAbout(&owner);
    QTest::mouseDClick(about->findChild<QLabel*>("imgHidden"), Qt::LeftButton);
    EXPECT_EQ(about->findChild<QLabel*>("lblInfo")->text(),
              "Larkspan\nVersion : 2.0.0  \nApplication Path is " LK_PROGRAM_DIR
              "\nLoaded Course is SAMPLE1");
}

TEST_F(AboutTest, OKUnloadsIt) {
    frmAbout* about = frmAbout::showAbout(&owner);
    about->findChild<QPushButton*>("cmdOK")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frmAbout::instance(), nullptr);
}

TEST_F(AboutTest, WithoutItsDocumentTheTextStaysEmpty) {
    rt::setProgramFolder(QStringLiteral(LK_PROGRAM_DIR "/missing"));
    frmAbout* about = frmAbout::showAbout(&owner);
    EXPECT_EQ(about->findChild<rt::RichTextBox*>("rtb1")->text(), "");
}

} // namespace
