#include "runtime/testing/recording_message_box.h"
#include "shared/course_settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

class CourseConfig : public ::testing::Test {
protected:
    void SetUp() override { CourseSettings = {}; }

    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath("course.cfg");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    void read(const QByteArray& bytes) { ReadCourseConfig(msg, write(bytes)); }

    QTemporaryDir dir;
    rt::RecordingMessageBox msg;
};

struct LineCase {
    const char* name;
    QByteArray file;
    std::function<void(const CourseSettingsRecord&)> check;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class ConfigLines : public CourseConfig, public ::testing::WithParamInterface<LineCase> {};

TEST_P(ConfigLines, StoreTheirValues) {
    CourseSettings.Subject = "kept";
    read(GetParam().file);
    GetParam().check(CourseSettings);
    EXPECT_TRUE(msg.shown.isEmpty());
}

using S = const CourseSettingsRecord&;
INSTANTIATE_TEST_SUITE_P(
    Table, ConfigLines,
    ::testing::Values(
        LineCase{"lower_case_key_with_blanks", "  lkappname  |  My Planner  \r\n",
                 [](S s) { EXPECT_EQ(s.AppTitle, "My Planner"); }},
        LineCase{"bar_inside_value", "HELPURL|a|b\r\n", [](S s) { EXPECT_EQ(s.HelpURL, "a|b"); }},
        LineCase{"tabs_are_not_trimmed", "SUBJECT|\tMath\t\r\n",
                 [](S s) { EXPECT_EQ(s.Subject, "\tMath\t"); }},
        LineCase{"flag_yes_is_false", "MULTIPAGEPDF|yes\r\n", [](S s) { EXPECT_FALSE(s.MultiPagePDF); }},
        LineCase{"flag_true_after_blank", "MULTIPAGEPDF| tRuE\r\nSHOWALLTAB|True\r\n",
                 [](S s) {
                     EXPECT_TRUE(s.MultiPagePDF);
                     EXPECT_TRUE(s.ShowAllTab);
                 }},
        LineCase{"half_rounds_down_to_even", "NUMOBJECTIVESTAB|2.5\r\n",
                 [](S s) { EXPECT_EQ(s.NumObjectiveTabs, 2); }},
        LineCase{"half_rounds_up_to_even", "NUMOBJECTIVESTAB|3.5\r\n",
                 [](S s) { EXPECT_EQ(s.NumObjectiveTabs, 4); }},
        LineCase{"empty_number", "NUMOBJECTIVESTAB|3\r\nNUMOBJECTIVESTAB|\r\n",
                 [](S s) { EXPECT_EQ(s.NumObjectiveTabs, 0); }},
        LineCase{"number_then_letters", "STYLEWEEKCELLS|12abc\r\n",
                 [](S s) { EXPECT_EQ(s.StyleWeekCells, 12); }},
        LineCase{"no_bar_and_unknown_key", "SUBJECT Math\r\nNOSUCHKEY|x\r\n",
                 [](S s) { EXPECT_EQ(s.Subject, "kept"); }},
        LineCase{"later_line_wins", "SUBJECT|one\r\nSUBJECT|two\r\n",
                 [](S s) { EXPECT_EQ(s.Subject, "two"); }},
        LineCase{"colours", "COLORVALUE1|255,0,0\r\nCOLORVALUE2|0,0,255\r\nCOLORVALUE4| 1 , 2 , 300 \r\n",
                 [](S s) {
                     EXPECT_EQ(s.ColorValue1, 255);
                     EXPECT_EQ(s.ColorValue2, 16711680);
                     EXPECT_EQ(s.ColorText4, "1 , 2 , 300");
                     EXPECT_EQ(s.ColorValue4, 1 + 2 * 256 + 255 * 65536);
                 }},
        LineCase{"empty_colour", "COLORVALUE3|8,8,8\r\nCOLORVALUE3|\r\n",
                 [](S s) {
                     EXPECT_EQ(s.ColorText3, "");
                     EXPECT_EQ(s.ColorValue3, 0);
                 }},
        LineCase{"number_too_large_stops_the_read",
                 "SUBJECT|before\r\nSTYLEDAYVIEW|40000\r\nCREDIT|after\r\n",
                 [](S s) {
                     EXPECT_EQ(s.Subject, "before");
                     EXPECT_EQ(s.StyleDayView, 0);
                     EXPECT_EQ(s.CreditText, "");
                 }},
        LineCase{"bad_colour_stops_the_read", "COLORVALUE5|1,2\r\nUCI|KTN1\r\n",
                 [](S s) {
                     EXPECT_EQ(s.ColorText5, "1,2"); // the text is stored before the colour fails
                     EXPECT_EQ(s.ColorValue5, 0);
                     EXPECT_EQ(s.UCI, "");
                 }},
        LineCase{"every_kind_of_member",
                 "DBVERSION|0101\nUCI|KTN1\nRESPDFROOTPATH|pdf\nSHOWRESLIB2|true\nRESLIB1LABEL|Types\n"
                 "RESLIB2LABEL|Chapters\nGROUPING3|Lesson\nLABELOBJECTIVES4|Local\nSTYLELKWINDOWCAPTION|-7\n"
                 "STYLETRDNODE|32767\nSTYLEMAKELPSELECTEDITEM|-32768",
                 [](S s) {
                     EXPECT_EQ(s.DBVersion, "0101");
                     EXPECT_EQ(s.UCI, "KTN1");
                     EXPECT_EQ(s.ResPDFRootPath, "pdf");
                     EXPECT_TRUE(s.ShowResLib2);
                     EXPECT_EQ(s.ResLib1Label, "Types");
                     EXPECT_EQ(s.ResLib2Label, "Chapters");
                     EXPECT_EQ(s.Grouping3, "Lesson");
                     EXPECT_EQ(s.ObjectiveLabel4, "Local");
                     EXPECT_EQ(s.StyleLKWindowCaption, -7);
                     EXPECT_EQ(s.StyleTRDNode, 32767);
                     EXPECT_EQ(s.StyleMakeLPSelectedItem, -32768);
                 }},
        LineCase{"undecodable_bytes", "SUBJECT|Espa\xf1ol\r\n",
                 [](S s) { EXPECT_EQ(s.Subject, QString::fromUtf8("Espa\xc3\xb1ol")); }},
        LineCase{"empty_file", "", [](S s) { EXPECT_EQ(s.Subject, "kept"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CourseConfig, EnormousLineAndBinaryNoiseAreReadSafely) {
    QByteArray bytes = "SUBJECT|" + QByteArray(4 * 1024 * 1024, 'x') + "\r\n";
    bytes += QByteArray("\0\xff\xfe|\x01\r\n", 7) + "UCI|RV10";
    read(bytes);
    EXPECT_EQ(CourseSettings.Subject.size(), 4 * 1024 * 1024);
    EXPECT_EQ(CourseSettings.UCI, "RV10");
}

TEST_F(CourseConfig, MissingFilePromptsAndReadsNothing) {
    const QString path = dir.filePath("missing.cfg");
    for (const auto answer : {rt::MbAnswer::Ok, rt::MbAnswer::Cancel}) {
        CourseSettings.Subject = "kept";
        msg.answers = {answer};
        ReadCourseConfig(msg, path);
        EXPECT_EQ(CourseSettings.Subject, "kept");
        EXPECT_FALSE(QFile::exists(path));
    }
    ASSERT_EQ(msg.shown.size(), 2);
    const rt::MbRequest expected{
        "The file " + path +
            " doesn't exist.\r\nWould you like to create and    then edit it?\r\n\r\n"
            "Choose OK to create file, Cancel to stop.",
        QString("File Message"), rt::MbButtons::OkCancel, rt::MbIcon::Information};
    EXPECT_EQ(msg.shown[0], expected);
}

TEST_F(CourseConfig, FileExistsPromptAnswers) {
    QString existing = write("x");
    qint16 mode = 2;
    EXPECT_EQ(FileExistsPrompt(msg, existing, mode), 1);
    EXPECT_TRUE(msg.shown.isEmpty());

    QString missing = dir.filePath("none");
    msg.answers = {rt::MbAnswer::Ok, rt::MbAnswer::Cancel};
    EXPECT_EQ(FileExistsPrompt(msg, missing, mode), 1);
    EXPECT_EQ(mode, 1);
    mode = 2;
    EXPECT_EQ(FileExistsPrompt(msg, missing, mode), 0);
    EXPECT_EQ(mode, 2);

    QString folder = dir.path(); // a folder is not a normal file
    msg.answers = {rt::MbAnswer::Cancel};
    EXPECT_EQ(FileExistsPrompt(msg, folder, mode), 0);
}

} // namespace
