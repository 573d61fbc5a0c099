#include "modal_driver.h"
#include "planner/dialogs/new_resource.h"
#include "runtime/testing/recording_message_box.h"
#include "shared/course_settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class NewResourceTest : public ::testing::Test {
protected:
    qint16 answer(ModalDriver::Step step) { return answered(dialog, std::move(step)); }

    rt::RecordingMessageBox msg;
    NewResource dialog{msg};
};

TEST_F(NewResourceTest, TextsAndResults) {
    EXPECT_EQ(dialog.windowTitle(), "New Resource");
    EXPECT_FALSE(dialog.windowIcon().isNull());
    const QStringList labels{"Enter the information for your new resource.",
                             "Title:", "Type:", "Minutes:", "Description:"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(control<QLabel>(dialog, "Label1", i)->text(), labels[i]);
    EXPECT_EQ(control<QPushButton>(dialog, "cmdOK")->text(), "OK");
    EXPECT_EQ(control<QPushButton>(dialog, "cmdCancel")->text(), "Cancel");
    EXPECT_EQ(dialog.txtTitle()->text(), "");

    EXPECT_EQ(answer([](QWidget& w) {
                  EXPECT_EQ(w.focusWidget(), w.findChild<QLineEdit*>("txtTitle"));
                  click("cmdOK")(w);
              }),
              1);
    for (const auto& [what, step] : QList<std::pair<const char*, ModalDriver::Step>>{
             {"Cancel", click("cmdCancel")}, {"frame", closeByFrame()}, {"Esc", pressEscape()}}) {
        SCOPED_TRACE(what);
        NewResource d(msg);
        EXPECT_EQ(answered(d, step), 2);
    }
}

TEST_F(NewResourceTest, MinutesTakeOnlyDigitsBackspaceAndAPoint) {
    QLineEdit* minutes = dialog.txtMinutes();
    QTest::keyClick(minutes, Qt::Key_A);
    EXPECT_EQ(minutes->text(), "");
    QTest::keyClicks(minutes, "4x5-.,2 ");
    EXPECT_EQ(minutes->text(), "45.2");
    QTest::keyClick(minutes, Qt::Key_Backspace);
    QTest::keyClick(minutes, Qt::Key_Left);
    QTest::keyClick(minutes, Qt::Key_Delete);
    EXPECT_EQ(minutes->text(), "45");
    EXPECT_EQ(dialog.Minutes(), 45);
}

TEST_F(NewResourceTest, MinutesAreTheWholeNumberTyped) {
    for (const auto& [typed, minutes] : QList<std::pair<QString, qint16>>{
             {"", 0}, {".", 0}, {"4.5", 4}, {"007", 7}, {"32767", 32767}, {"32767.9", 32767}}) {
        SCOPED_TRACE(typed.toStdString());
        dialog.txtMinutes()->setText(typed);
        EXPECT_EQ(dialog.Minutes(), minutes);
    }
}

TEST_F(NewResourceTest, MoreMinutesThanAResourceHoldsAreRefused) {
    CourseSettings.AppTitle = "Sample Course";
    EXPECT_EQ(answer([this](QWidget& w) {
                  dialog.txtMinutes()->setText("32768");
                  click("cmdOK")(w);
                  EXPECT_TRUE(w.isVisible());
                  EXPECT_EQ(w.focusWidget(), dialog.txtMinutes());
                  dialog.txtMinutes()->setText("90");
                  click("cmdOK")(w);
              }),
              1);
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0].text, "Please enter from 0 to 32767 minutes.");
    EXPECT_EQ(msg.shown[0].title, "Sample Course");
    EXPECT_EQ(dialog.Minutes(), 90);
}

} // namespace
