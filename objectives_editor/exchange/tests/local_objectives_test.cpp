#include "exchange_fixture.h"
#include "objectives_editor/exchange/exchange_format.h"
#include "runtime/strings.h"

#include <QDir>
#include <QSaveFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using namespace exchangetest;
using rt::MbButtons;
using rt::MbIcon;
using rt::MbRequest;

QString S(int n) {
    return rt::StringTable::get(n);
}

MbRequest critical(const QString& text) {
    return {text, S(1002), MbButtons::Ok, MbIcon::Critical};
}

MbRequest imported() {
    return {S(1034), S(1002), MbButtons::Ok, MbIcon::Information};
}

// SAMPLE1's export: its leaves in TreeID order; Null and empty objectives both give the empty mark.
const QByteArray sample1 = lko("bwIF|WW01|0110|12|"
                               "12|Use the rain barrel by the school garden.|13|~|14|~|16|~|"
                               "17|Cloud walk on Friday.|32|Caf\xE9 visit: watch steam rise from hot cocoa.|"
                               "33|~|34|~|52|~|53|~|60|Hang the class journal by the window.|70|~|");

class LocalObjectives : public ExchangeTest {
protected:
    ExchangeCourse sample(const QString& uci = QStringLiteral("WW01")) {
        return openCopy(QStringLiteral("SAMPLE1/SAMPLE1.mdb"), uci);
    }
    QString file(const char* name = "objectives.lko") { return path(QString::fromLatin1(name)); }
    // The pointer was the hourglass during the import and is the default after it.
    void expectPointerBack() {
        EXPECT_EQ(cursor.screenPointer(), rt::Pointer::Default);
        ASSERT_FALSE(cursor.history.isEmpty());
        EXPECT_EQ(cursor.history.first(), rt::Pointer::Hourglass);
    }
};

TEST_F(LocalObjectives, ExportOfOneLeafWithoutObjectiveIsTheTwentyTwoBytes) {
    const ExchangeCourse course = openMade(QStringLiteral("KTN1"), QStringLiteral(R"(
        INSERT INTO CourseInfo VALUES ('0101', NULL);
        INSERT INTO LessonTree (TreeID, ParentID, ItemNumber, Title, Objective5, HasChildren) VALUES
            (1, 0, '1', 'Unit', 'not exported', 1), (12, 1, '1', 'Lesson', NULL, 0);)"));
    exportTo(course, file());
    const QByteArray bytes = readBytes(file());
    EXPECT_EQ(bytes, lko("bwIF|KTN1|0101|1|12|~|"));
    EXPECT_EQ(bytes.size(), 22);
    EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(LocalObjectives, ExportOfSample1) {
    const ExchangeCourse course = sample();
    exportTo(course, file());
    const QByteArray bytes = readBytes(file());
    EXPECT_EQ(bytes, sample1);
    EXPECT_EQ(bytes.count('\xFF'), 28);
    EXPECT_EQ(loop.count, 12); // pending messages run after each row
    EXPECT_TRUE(msg.shown.isEmpty());
    EXPECT_EQ(QDir(path(".")).entryList({"objectives*"}, QDir::Files), QStringList{"objectives.lko"});
}

TEST_F(LocalObjectives, ImportOfAnEarlierExportRestoresEveryObjectiveAndNullBecomesEmpty) {
    const ExchangeCourse course = sample();
    const QMap<qint32, QString> before = objectives(course);
    exportTo(course, file());
    rt::Database db = course.database;
    db.execute(
        QStringLiteral("UPDATE LessonTree SET Objective5 = 'changed' WHERE COALESCE(HasChildren, 0) = 0"));

    importFrom(course, file());
    EXPECT_EQ(msg.shown, QList<MbRequest>{imported()});
    expectPointerBack();
    QMap<qint32, QString> expected = before;
    for (const qint32 leaf : {12, 13, 14, 16, 17, 32, 33, 34, 52, 53, 60, 70})
        if (expected[leaf] == u"<null>") expected[leaf] = QString();
    EXPECT_EQ(objectives(course), expected);
    EXPECT_EQ(expected[32], QStringLiteral("Caf\u00e9 visit: watch steam rise from hot cocoa."));
}

TEST_F(LocalObjectives, TreeIdBeyondSixteenBitsBothWays) {
    const ExchangeCourse course = openCopy(QStringLiteral("fixtures/wide_tree.mdb"), QStringLiteral("WIDE"));
    exportTo(course, file());
    EXPECT_EQ(readBytes(file()), lko("bwIF|WIDE|0100|1|40000|Local note|"));
    writeBytes(file(), lko("bwIF|WIDE|0100|1|40000|New note|"));
    importFrom(course, file());
    EXPECT_EQ(msg.shown, QList<MbRequest>{imported()});
    EXPECT_EQ(objectives(course)[40000], QStringLiteral("New note"));
}

TEST_F(LocalObjectives, BrokenFilesAreRefusedWholeAndChangeNothing) {
    const QString countProblem = S(1049) + "\r\n" + S(1050) + "\r\n\r\n" + S(1026);
    const auto treeProblem = [](const QString& id) {
        return id + S(1051) + "\r\n" + S(1050) + "\r\n\r\n" + S(1026);
    };
    const struct {
        const char* what;
        QByteArray bytes;
        QString text;
        const char* uci = "WW01";
    } cases[] = {
        {"bad magic", lko("bwIX|WW01|0110|1|12|a|"), S(1027) + "\r\n\r\n" + S(1026)},
        {"empty", "", S(1027) + "\r\n\r\n" + S(1026)},
        {"another course", lko("bwIF|KTN1|0110|1|12|a|"), S(1024) + "\r\n\r\n" + S(1026)},
        {"a five-character course into its own", lko("bwIF|WW015|0110|1|12|a|"),
         S(1024) + "\r\n\r\n" + S(1026), "WW015"},
        {"a lower-case course", lko("bwIF|ww01|0110|1|12|a|"), S(1024) + "\r\n\r\n" + S(1026)},
        {"another version", lko("bwIF|WW01|0101|1|12|a|"), S(1025) + "\r\n\r\n" + S(1026)},
        {"count abc", lko("bwIF|WW01|0110|abc|12|a|"), countProblem},
        {"count too small", lko("bwIF|WW01|0110|1|12|a|13|b|"), countProblem},
        {"count too large", lko("bwIF|WW01|0110|3|12|a|13|b|"), countProblem},
        {"count beyond 32 bits", lko("bwIF|WW01|0110|4294967297|12|a|"), countProblem},
        {"an odd number of field ends", lko("bwIF|WW01|0110|1|12|a|13|"), countProblem},
        {"count 0 and an unpaired field", lko("bwIF|WW01|0110|0|12|"), countProblem},
        {"trailing bytes", lko("bwIF|WW01|0110|1|12|a|13"), countProblem},
        {"TreeID 12.5 in row 2", lko("bwIF|WW01|0110|2|12|a|12.5|b|"), treeProblem("12.5")},
        {"TreeID 1e3 in row 2", lko("bwIF|WW01|0110|2|12|a|1e3|b|"), treeProblem("1e3")},
        {"TreeID -4 in row 2", lko("bwIF|WW01|0110|2|12|a|-4|b|"), treeProblem("-4")},
        {"TreeID &H10 in row 2", lko("bwIF|WW01|0110|2|12|a|&H10|b|"), treeProblem("&H10")},
        {"TreeID beyond 32 bits", lko("bwIF|WW01|0110|2|12|a|2147483648|b|"), treeProblem("2147483648")},
        {"an empty TreeID with rows after it", lko("bwIF|WW01|0110|3|12|a||b|13|c|"), treeProblem("")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ExchangeCourse course = sample(QString::fromLatin1(c.uci));
        const QByteArray before = checksum(course);
        writeBytes(file(), c.bytes);
        msg.shown.clear();
        cursor.history.clear();
        importFrom(course, file());
        EXPECT_EQ(msg.shown, QList<MbRequest>{critical(c.text)});
        EXPECT_EQ(checksum(course), before);
        expectPointerBack();
        EXPECT_EQ(readBytes(file()), c.bytes); // the file read is never touched
        ws().close();
        QFile::remove(path("course.mdb"));
    }
}

TEST_F(LocalObjectives, BlanksAroundATreeIdAndTwentyThousandRowsAreAccepted) {
    const ExchangeCourse course = sample();
    writeBytes(file(), lko("bwIF|WW01|0110|2| 12 |blanks|999|not in the course|"));
    importFrom(course, file());
    EXPECT_EQ(msg.shown, QList<MbRequest>{imported()});
    EXPECT_EQ(objectives(course)[12], QStringLiteral("blanks"));

    QByteArray many = lko("bwIF|WW01|0110|20000|");
    for (int i = 1; i <= 20000; ++i) many += QByteArray::number(i == 13000 ? 13 : 100000 + i) + lko("|row|");
    writeBytes(file(), many);
    msg.shown.clear();
    importFrom(course, file());
    EXPECT_EQ(msg.shown, QList<MbRequest>{imported()});
    EXPECT_EQ(objectives(course)[13], QStringLiteral("row"));
    expectPointerBack();
}

TEST_F(LocalObjectives, MissingFileIsNeitherCreatedNorImported) {
    const ExchangeCourse course = sample();
    const QByteArray before = checksum(course);
    const QString missing = file("missing.lko");
    const QString fileMessage = "The file " + missing +
                                " doesn't exist.\r\nWould you like to create and    then edit it?\r\n\r\n"
                                "Choose OK to create file, Cancel to stop.";
    const MbRequest prompt{fileMessage, QStringLiteral("File Message"), MbButtons::OkCancel,
                           MbIcon::Information};

    msg.answers = {rt::MbAnswer::Cancel};
    importFrom(course, missing);
    EXPECT_EQ(msg.shown, QList<MbRequest>{prompt});
    expectPointerBack();

    msg.shown.clear();
    importFrom(course, missing);
    EXPECT_EQ(msg.shown, (QList<MbRequest>{prompt, critical(S(1027) + "\r\n\r\n" + S(1026))}));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(checksum(course), before);
    expectPointerBack();
}

// A save file whose k-th write fails, as a full disk would.
class FailingSaveFile : public QSaveFile {
public:
    FailingSaveFile(const QString& name, int failAt) : QSaveFile(name), failAt_(failAt) {}

protected:
    qint64 writeData(const char* data, qint64 len) override {
        if (++writes_ == failAt_) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        return QSaveFile::writeData(data, len);
    }

private:
    int failAt_, writes_ = 0;
};

TEST_F(LocalObjectives, AFailedExportLeavesTheEarlierFileAndNoTemporaryFile) {
    const ExchangeCourse course = sample();
    const QString target = file();
    for (const int k : {1, 2, 13}) { // the header, the first row, the last row
        SCOPED_TRACE(k);
        writeBytes(target, "earlier");
        msg.shown.clear();
        FailingSaveFile out(target, k);
        ExportLocalObjectives(course, out, msg, loop);
        EXPECT_EQ(msg.shown,
                  QList<MbRequest>{critical("The local objectives file " + target +
                                            " could not be written.\r\n\r\nNo space left on device")});
        EXPECT_EQ(readBytes(target), "earlier");
        EXPECT_EQ(QDir(path(".")).entryList({"objectives*"}, QDir::Files | QDir::Hidden),
                  QStringList{"objectives.lko"});
    }
}

TEST_F(LocalObjectives, ExportIntoAMissingFolderShowsAMessage) {
    const ExchangeCourse course = sample();
    exportTo(course, path("no/such/folder/x.lko"));
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_TRUE(msg.shown[0].text.startsWith("The local objectives file " + path("no/such/folder/x.lko")));
    EXPECT_EQ(msg.shown[0].icon, MbIcon::Critical);
}

TEST_F(LocalObjectives, ImportWhileThePlannerHoldsTheWriteLockWritesNothing) {
    const ExchangeCourse course = sample();
    writeBytes(file(), lko("bwIF|WW01|0110|2|12|first|13|second|"));
    const QByteArray before = checksum(course);

    sqlite3* planner = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path("course.mdb")).constData(), &planner), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(planner, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    importFrom(course, file());
    sqlite3_exec(planner, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(planner);

    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_TRUE(msg.shown[0].text.startsWith("The local objectives could not be imported; none was changed."))
        << msg.shown[0].text.toStdString();
    EXPECT_EQ(msg.shown[0].icon, MbIcon::Critical);
    EXPECT_EQ(checksum(course), before);
    expectPointerBack();

    // The lock gone, the same file imports.
    msg.shown.clear();
    importFrom(course, file());
    EXPECT_EQ(msg.shown, QList<MbRequest>{imported()});
    EXPECT_EQ(objectives(course)[13], QStringLiteral("second"));
}

} // namespace
