#include "runtime/com/library_records.h"
#include "runtime/testing/control_libraries.h"

#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct Library {
    const char* file;
    const char* progId;
    const char* project;
    const char* product;
    const char* comment;
    const char* typeLibraryHelp;
    // One member's help string as the type library gives it; none where the control quotes none.
    const char* member;
    const char* memberHelp;
};

const Library libraries[] = {
    {CVCELL_OCX, "CVCell.WeekViewCell", "CVCell", "CVCell", "", "CVCell", nullptr, nullptr},
    {TFWEEKVIEWCELL_OCX, "TFWeekViewCell.WeekViewCell", "TFWeekViewCell", "CVCell", "", "CVCell", nullptr,
     nullptr},
    {CVTAB_OCX, "CVTab.ctlTab", "CVTab", "CVTab", "Tab Control built for Larkspan Application",
     "Larkspan Tab Control", "TNumTabs",
     "Sets/returns the number of tabs that appear on the tabstrip control.  This does NOT include "
     "the ALL tab."},
    {LKTAB_OCX, "LKTab.ctlTab", "LKTab", "CVTab", "Tab Control built for Larkspan Application",
     "Larkspan Tab Control", "GetTabIndex", "Returns index of currently selected tab. (First Tab is 1)."},
    {CVTREE_OCX, "CVTree.ctlTree", "CVTree", "CVTree", "", "Larkspan Tree Control", "TSelectedItem",
     "Rreturns the selected tree node."},
    {LKTREE_OCX, "LKTree.ctlTree", "LKTree", "CVTree", "", "Larkspan Tree Control", "TNodeChange",
     "Occurs when Node changes by using Up/Down arrow keys"},
};

TEST(ControlLibraryFiles, VersionRecords) {
    for (const Library& l : libraries) {
        SCOPED_TRACE(l.project);
        const QMap<QString, QString> expected{{"FileVersion", "1.01"},
                                              {"ProductName", l.product},
                                              {"InternalName", l.project},
                                              {"OriginalFilename", QString(l.project) + ".ocx"},
                                              {"Comments", l.comment}};
        EXPECT_EQ(rt::libraryRecord(l.file, rt::versionSection), expected);
    }
}

TEST(ControlLibraryFiles, TypeLibrariesAreNamedAfterTheProjectWithAnIdEach) {
    QSet<QUuid> ids;
    for (const Library& l : libraries) {
        SCOPED_TRACE(l.project);
        const QMap<QString, QString> record = rt::libraryRecord(l.file, rt::typeLibrarySection);
        EXPECT_EQ(record.value("Name"), l.project);
        EXPECT_EQ(record.value("Version"), "1.0");
        EXPECT_EQ(record.value("HelpString"), l.typeLibraryHelp);
        const QUuid id = QUuid::fromString(record.value("LibId"));
        EXPECT_FALSE(id.isNull());
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), std::size(libraries));
}

TEST(ControlLibraryFiles, WhatIsNoControlLibraryHasNoRecords) {
    for (const QString& file : {QStringLiteral(LK_SOURCE_DIR "/CMakeLists.txt"), QStringLiteral(LK_REGSVR),
                                QStringLiteral(LK_SOURCE_DIR "/missing.ocx")}) {
        EXPECT_TRUE(rt::libraryRecord(file, rt::typeLibrarySection).isEmpty()) << file.toStdString();
        EXPECT_TRUE(rt::libraryRecord(file, rt::versionSection).isEmpty()) << file.toStdString();
    }
}

// Registered, described and unregistered by lk-regsvr into the fixture's settings file.
class RegisteredLibraries : public rt::ControlLibraries {
protected:
    int regsvr(const QStringList& args, QString* output = nullptr) {
        QProcess p;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LARKSPAN_SETTINGS", file);
        p.setProcessEnvironment(environment);
        p.start(LK_REGSVR, args);
        if (!p.waitForFinished(30000)) return -1;
        if (output) *output = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        return p.exitCode();
    }
    QString row(const QString& section, const QString& key) {
        return settings.get("Components", section, key);
    }
};

TEST_F(RegisteredLibraries, RegistrationWritesTheTypeLibraryRowsAndUnregisteringLeavesNone) {
    QStringList files;
    for (const Library& l : libraries) files << canonical(l.file);
    QString output;
    ASSERT_EQ(regsvr(files, &output), 0) << output.toStdString();
    for (const Library& l : libraries) {
        SCOPED_TRACE(l.project);
        const QUuid clsid = registry.classId(l.progId);
        ASSERT_FALSE(clsid.isNull());
        const QString libId = rt::libraryRecord(l.file, rt::typeLibrarySection).value("LibId");
        EXPECT_EQ(row("CLSID\\" + clsid.toString(QUuid::WithBraces).toUpper(), "TypeLib"), libId);
        EXPECT_EQ(row("TypeLib\\" + libId, "1.0"), l.typeLibraryHelp);
        EXPECT_EQ(row("TypeLib\\" + libId + "\\1.0", "FLAGS"), "2");
        EXPECT_EQ(row("TypeLib\\" + libId + "\\1.0", "HELPDIR"), QFileInfo(canonical(l.file)).absolutePath());
        EXPECT_EQ(row("TypeLib\\" + libId + "\\1.0\\0", "win32"), canonical(l.file));

        ASSERT_EQ(regsvr({"--describe", l.file}, &output), 0) << output.toStdString();
        EXPECT_TRUE(output.startsWith(QString("Name=%1\nLibId=%2\nVersion=1.0\nHelpString=%3\n")
                                          .arg(l.project, libId, l.typeLibraryHelp)))
            << output.toStdString();
        if (l.member)
            EXPECT_TRUE(output.contains(QString("\nMember.%1=%2\n").arg(l.member, l.memberHelp)))
                << output.toStdString();
        else
            EXPECT_FALSE(output.contains("Member.")) << output.toStdString();
    }

    ASSERT_EQ(regsvr(QStringList{"-u"} + files, &output), 0) << output.toStdString();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray rows = written.readAll();
    EXPECT_FALSE(rows.contains("TypeLib")) << rows.toStdString();
    EXPECT_FALSE(rows.contains(".ocx")) << rows.toStdString();
}

TEST_F(RegisteredLibraries, DescribingWhatHasNoTypeLibraryFails) {
    QString output;
    EXPECT_EQ(regsvr({"--describe", LK_SOURCE_DIR "/CMakeLists.txt"}, &output), 1);
    EXPECT_EQ(output, "lk-regsvr: " LK_SOURCE_DIR "/CMakeLists.txt: no type library in it\n");
    EXPECT_EQ(regsvr({"--describe"}), 2);
}

} // namespace
