#include "runtime/settings.h"
#include "runtime/testing/error_of.h"
#include "runtime/testing/memory_settings.h"
#include "tests/support/environment_guard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

const QString app = QStringLiteral("Brackwell Larkspan 2.0 Engine");

// The INI store and its in-memory double must agree on everything the programs rely on.
template <class T> class SettingsContract : public ::testing::Test {
protected:
    std::unique_ptr<rt::SettingsStore> make() {
        if constexpr (std::is_same_v<T, rt::IniSettings>)
            return std::make_unique<rt::IniSettings>(dir.filePath("settings.ini"));
        else
            return std::make_unique<rt::MemorySettings>();
    }
    QTemporaryDir dir;
};

using Stores = ::testing::Types<rt::IniSettings, rt::MemorySettings>;
TYPED_TEST_SUITE(SettingsContract, Stores);

TYPED_TEST(SettingsContract, SectionsWithBackslashesRoundTripExactly) {
    auto s = this->make();
    s->set(app, "Installed Courses\\SAMPLE1", "Path", "/data/sample1.mdb");
    s->set(app, "Installed Courses\\sample1", "Path", "/other");
    s->set(app, "Installed Courses\\", "Path", "/empty-key");
    s->set(app, "Installed Courses\\ SAMPLE1 ", "Path", "/blanks");
    s->set(app, "MRU", "MRU1", "a 50% / b\\c");
    EXPECT_EQ(s->get(app, "Installed Courses\\SAMPLE1", "Path"), "/data/sample1.mdb");
    EXPECT_EQ(s->get(app, "Installed Courses\\sample1", "Path"), "/other");
    EXPECT_EQ(s->get(app, "Installed Courses\\", "Path"), "/empty-key");
    EXPECT_EQ(s->get(app, "Installed Courses", "Path"), "");
    EXPECT_EQ(s->get(app, "Installed Courses\\ SAMPLE1 ", "Path"), "/blanks");
    EXPECT_EQ(s->get(app, "MRU", "MRU1"), "a 50% / b\\c");
    EXPECT_EQ(s->get(app, "MRU", "mru1"), "");
    EXPECT_EQ(s->get("Other", "MRU", "MRU1"), "");
}

TYPED_TEST(SettingsContract, MissingAndRemovedGiveEmptyText) {
    auto s = this->make();
    EXPECT_EQ(s->get(app, "MRUFiles", "MRUFile1"), "");
    s->set(app, "MRUFiles", "MRUFile1", "x.lkc");
    s->remove(app, "MRUFiles", "MRUFile1");
    EXPECT_EQ(s->get(app, "MRUFiles", "MRUFile1"), "");
}

TEST(IniSettings, AWriteThatCannotReachTheFileFails) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const QString& file : {dir.filePath("folder"), dir.filePath("plain/settings.ini")}) {
        SCOPED_TRACE(file.toStdString());
        rt::IniSettings s(file);
        EXPECT_EQ(rt::errorOf([&] { s.set(app, "MRU", "MRU1", "a.lkc"); }), 75);
    }
    rt::IniSettings taken(dir.filePath("folder"));
    EXPECT_EQ(rt::errorOf([&] { taken.remove(app, "MRU", "MRU1"); }), 75);
    EXPECT_TRUE(QFileInfo(dir.filePath("folder")).isDir());
    EXPECT_EQ(QFileInfo(dir.filePath("plain")).size(), 0);
}

// Unreadable is not empty: every course would read as not installed, and nothing would say why.
TEST(IniSettings, AFileThatCannotBeReadFailsNamingItAndWhy) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("folder"), locked = dir.filePath("locked.ini");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    rt::IniSettings(locked).set(app, "Installed Courses\\SAMPLE1", "Path", "/data/sample1.mdb");
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    std::vector<std::pair<QString, QString>> cases{{folder, "it is a folder"}};
    // One who may read every file (root) cannot be refused by permissions.
    if (QFile f(locked); !f.open(QIODevice::ReadOnly)) cases.push_back({locked, f.errorString()});
    for (const auto& [file, why] : cases) {
        SCOPED_TRACE(file.toStdString());
        try {
            rt::IniSettings(file).get(app, "Installed Courses\\SAMPLE1", "Path");
            ADD_FAILURE();
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number, 75);
            EXPECT_EQ(e.description, "The settings file " + file + " cannot be read: " + why + ".");
        }
    }
    EXPECT_EQ(rt::IniSettings(dir.filePath("none.ini")).get(app, "MRU", "MRU1"), ""); // none yet: empty
}

TEST(IniSettings, SeesWhatAnotherWriterStored) {
    QTemporaryDir dir;
    rt::IniSettings reader(dir.filePath("s.ini"));
    rt::IniSettings writer(dir.filePath("s.ini"));
    EXPECT_EQ(reader.get(app, "MRU", "MRU1"), "");
    writer.set(app, "MRU", "MRU1", "first");
    EXPECT_EQ(reader.get(app, "MRU", "MRU1"), "first");
}

TEST(IniSettings, FileChosenByEnvironment) {
    EnvironmentGuard environment;
    environment.set("LARKSPAN_SETTINGS", "/tmp/chosen.ini");
    EXPECT_EQ(rt::IniSettings::defaultFile(), "/tmp/chosen.ini");
    environment.unset("LARKSPAN_SETTINGS");
    EXPECT_TRUE(rt::IniSettings::defaultFile().endsWith("/Larkspan/settings.ini"));
}

} // namespace
