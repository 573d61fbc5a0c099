// The Linux meaning of the handlers' services: initialisation files, the component rows, locale ids, and the
// desktop's programs (stood in for by small scripts on PATH that log how they were called).
#include "classes_root.h"
#include "ini_file.h"
#include "ipp_message.h"
#include "linux_services.h"
#include "linux_shell.h"
#include "locale_ids.h"
#include "message_dialog.h"
#include "tests/support/environment_guard.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace lingo {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/lingo-services-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
    EnvironmentGuard environment;
};

using IniFiles = TempFolder;

TEST_F(IniFiles, ProfileLookUpsFollowThePlatformsRules) {
    const fs::path ini = folder / "course.ini";
    writeFile(ini, "; the course\r\n"
                   "[Colors]\r\n"
                   "  Back = Light Blue  \r\n"
                   "Quoted=\"  padded  \"\r\n"
                   "Single='x'\r\n"
                   "back=second\r\n"
                   "Empty=\r\n"
                   "[ colors ]\r\n"
                   "Fore=ignored\r\n"
                   "[Fonts]\r\n"
                   "Title=Arial\r\n");
    const std::string path = ini.string();
    EXPECT_EQ(profileString(path, "colors", "BACK", "x"), "Light Blue");
    EXPECT_EQ(profileString(path, "Colors", "Quoted", "x"), "  padded  ");
    EXPECT_EQ(profileString(path, "Colors", "Single", "y"), "x");
    EXPECT_EQ(profileString(path, "Colors", "Empty", "x"), "");
    EXPECT_EQ(profileString(path, "Colors", "Fore", "none  "), "none"); // only the first section counts
    EXPECT_EQ(profileString(path, "FONTS", "title", "x"), "Arial");
    EXPECT_EQ(profileString(path, "Fonts", "Size", "12 "), "12");
    EXPECT_EQ(profileString(path, "Sizes", "Title", "def"), "def");
    EXPECT_EQ(profileString((folder / "missing.ini").string(), "Fonts", "Title", "def"), "def");
}

TEST_F(IniFiles, RelativeNamesAreFoundBesideThePlugin) {
    const fs::path beside = fs::read_symlink("/proc/self/exe").parent_path() / "lingo-relative-test.ini";
    writeFile(beside, "[Paths]\nDocs=/srv/docs\n");
    LinuxPluginServices services;
    EXPECT_EQ(services.profileString("Paths", "Docs", "none", "lingo-relative-test.ini"), "/srv/docs");
    fs::remove(beside);
}

// Component rows exactly as the settings store had QSettings write them.
const char* const kSettings = "[Components]\n"
                              "%25\\Lead\\%E9%U0101=accent\n"
                              "CLSID\\%7BAB-12%7D\\InprocServer32=/opt/lark span/CVTab.ocx\n"
                              "CLSID\\%7BAB-12%7D\\ProgID=CVTab.ctlTab\n"
                              "CVTab.ctlTab\\CLSID={AB-12}\n"
                              "Tool\\At=@@at\n"
                              "Weird%20100%2525\\%25\\a%252Fb=\"a,b;c=\\\"q\\\" \\\\ \xc3\xa9\"\n"
                              "\n"
                              "[Installed%20Courses%255CKTN1]\n"
                              "%25\\Path=/courses\n";

using ComponentRows = TempFolder;

TEST_F(ComponentRows, KeysAndValuesAreDecodedAsQSettingsWritesThem) {
    const std::string settings = (folder / "settings.ini").string();
    writeFile(settings, kSettings);
    const struct {
        const char* key;
        int32_t result;
        const char* value;
    } cases[] = {
        {"CLSID\\{AB-12}\\InprocServer32", 0, "/opt/lark span/CVTab.ocx"},
        {"clsid\\{ab-12}\\inprocserver32", 0, "/opt/lark span/CVTab.ocx"},
        {"CVTab.ctlTab\\CLSID", 0, "{AB-12}"},
        {"Weird 100%\\\\a/b", 0, "a,b;c=\"q\" \\ \xc3\xa9"},
        {"Tool\\At", 0, "@at"},
        {"\\Lead\\\xc3\xa9\xc4\x81", 0, "accent"},
        {"CLSID\\{AB-12}", 0, ""}, // a key with only sub-keys
        {"CLSID\\{AB-1", 2, ""},
        {"CLSID\\{ZZ}\\InprocServer32", 2, ""},
        {"\\Path", 2, ""},
    };
    for (const auto& c : cases) {
        std::string value = "unset";
        EXPECT_EQ(classesRootValue(settings, c.key, value), c.result) << c.key;
        if (c.result == 0) {
            EXPECT_EQ(value, c.value) << c.key;
        }
    }
    std::string value;
    EXPECT_EQ(classesRootValue((folder / "missing.ini").string(), "CVTab.ctlTab\\CLSID", value), 2);
}

TEST_F(ComponentRows, TheSettingsFileIsNamedByTheEnvironment) {
    const std::string settings = (folder / "settings.ini").string();
    writeFile(settings, kSettings);
    environment.set("LARKSPAN_SETTINGS", settings);
    LinuxPluginServices services;
    std::string value;
    EXPECT_EQ(services.classesRootValue("CVTab.ctlTab\\CLSID", value), 0);
    EXPECT_EQ(value, "{AB-12}");
    environment.unset("LARKSPAN_SETTINGS");
    environment.set("XDG_CONFIG_HOME", folder);
    EXPECT_EQ(settingsFilePath(), (folder / "Larkspan/settings.ini").string());
    environment.unset("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    EXPECT_EQ(settingsFilePath(), std::string(home ? home : "") + "/.config/Larkspan/settings.ini");
}

TEST(LocaleIds, PosixLocalesMapToTheirLcids) {
    const struct {
        const char* locale;
        uint32_t lcid;
    } cases[] = {{"en_US.UTF-8", 0x0409}, {"es_ES", 0x0C0A}, {"es_MX.UTF-8", 0x080A}, {"es_AR@x", 0x2C0A},
                 {"es", 0x0C0A},          {"es_ZZ", 0x0C0A}, {"fr_FR", 0x040C},       {"fr_CA", 0x0C0C},
                 {"de_DE.UTF-8", 0x0407}, {"pt_BR", 0x0416}, {"C", 0x0409},           {"POSIX", 0x0409},
                 {"C.UTF-8", 0x0409},     {"", 0x0409},      {"xx_YY", 0x0409}};
    for (const auto& c : cases) EXPECT_EQ(lcidForLocale(c.locale), c.lcid) << c.locale;
}

TEST(LocaleIds, TheUsersChoiceForMessagesCounts) {
    EnvironmentGuard environment;
    environment.set("LC_ALL", "");
    environment.set("LC_MESSAGES", "es_MX.UTF-8");
    environment.set("LANG", "de_DE.UTF-8");
    EXPECT_EQ(LinuxPluginServices().userLcid(), 0x080Au);
    environment.set("LC_ALL", "fr_CA.UTF-8");
    EXPECT_EQ(LinuxPluginServices().userLcid(), 0x0C0Cu);
}

TEST(CommandLines, SplitAsThePlatformsProgramsDo) {
    const struct {
        const char* line;
        std::vector<std::string> words;
    } cases[] = {
        {"", {}},
        {"  prog   a  b ", {"prog", "a", "b"}},
        {"\"/opt/Guided Tour/tour\" -x", {"/opt/Guided Tour/tour", "-x"}},
        {"prog \"\"", {"prog", ""}},
        {"say a\\\"b", {"say", "a\"b"}},
        {"say \"a\\\\\" b", {"say", "a\\", "b"}},
        {"C:\\dir\\x.exe \\\\srv", {"C:\\dir\\x.exe", "\\\\srv"}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitCommandLine(c.line), c.words) << c.line;
}

TEST(IppMessages, ABrokenResponseIsRejected) {
    IppRequest request(0x4002, 1);
    request.add(kIppCharset, "attributes-charset", "utf-8");
    const std::string bytes = request.finish();
    std::string response = bytes;
    response[2] = 0x04;
    response[3] = 0x06;
    const auto parsed = parseIppResponse(response);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->status, kIppNotFound);
    ASSERT_EQ(parsed->groups.size(), 1u);
    EXPECT_EQ(parsed->groups[0].value("attributes-charset"), "utf-8");
    EXPECT_FALSE(parseIppResponse(bytes.substr(0, bytes.size() - 4)));
    EXPECT_FALSE(parseIppResponse(bytes.substr(0, 6)));
}

// Fake desktop programs: each logs its arguments, one per line, and answers as its *_EXIT file says.
class DesktopPrograms : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        bin = folder / "bin";
        fs::create_directories(bin);
        for (const char* name : {"xdg-open", "xdg-mime", "lp", "zenity"}) fakeProgram(name);
        environment.set("PATH", bin.string() + ":/usr/bin:/bin");
        environment.set("LINGO_FAKE_LOG", folder / "log");
        document = folder / "docs" / "lesson.pdf";
        fs::create_directories(document.parent_path());
        writeFile(document, "%PDF-1.4");
    }

    void fakeProgram(const std::string& name) {
        const fs::path script = bin / name;
        writeFile(script, "#!/bin/sh\n"
                          "{ echo \"" +
                              name +
                              "\"; for a in \"$@\"; do echo \"$a\"; done; } >> \"$LINGO_FAKE_LOG\"\n"
                              "[ -f \"$0.out\" ] && cat \"$0.out\"\n"
                              "exit $(cat \"$0.exit\" 2>/dev/null || echo 0)\n");
        fs::permissions(script, fs::perms::owner_all);
    }
    void answer(const std::string& name, int exitStatus, const std::string& output = "") {
        writeFile(bin / (name + ".exit"), std::to_string(exitStatus));
        if (!output.empty()) writeFile(bin / (name + ".out"), output);
    }
    std::string log() { return readFile(folder / "log"); }
    void clearLog() { fs::remove(folder / "log"); }
    // What a started program wrote, once the file is there: the program writes it whole under another
    // name and renames it.
    std::string waitFor(const fs::path& path) {
        for (int i = 0; i < 1000 && !fs::exists(path); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return readFile(path);
    }

    fs::path bin;
    fs::path document;
};

TEST_F(DesktopPrograms, OpenGoesThroughTheDesktopAssociation) {
    EXPECT_EQ(shellExecute("open", document.string(), "", ""), 42);
    EXPECT_EQ(log(), "xdg-open\n" + document.string() + "\n");
    EXPECT_EQ(shellExecute("", "lesson.pdf", "", document.parent_path().string()), 42);
    answer("xdg-open", 3);
    EXPECT_EQ(shellExecute("Open", document.string(), "", ""), 31);
    answer("xdg-open", 2);
    EXPECT_EQ(shellExecute("open", document.string(), "", ""), 2);
    clearLog();
    EXPECT_EQ(shellExecute("open", (folder / "docs" / "none.pdf").string(), "", ""), 2);
    EXPECT_EQ(shellExecute("open", (folder / "nodir" / "none.pdf").string(), "", ""), 3);
    EXPECT_EQ(shellExecute("open", "lesson.pdf", "", (folder / "nodir").string()), 3);
    EXPECT_EQ(shellExecute("open", "", "", ""), 2);
    EXPECT_EQ(shellExecute("frobnicate", document.string(), "", ""), 31);
    EXPECT_EQ(log(), "");
    answer("xdg-open", 0);
    EXPECT_EQ(shellExecute("open", "https://example.org/help", "", ""), 42);
    EXPECT_EQ(log(), "xdg-open\nhttps://example.org/help\n");
}

TEST_F(DesktopPrograms, PrintGoesToLp) {
    EXPECT_EQ(shellExecute("print", document.string(), "", ""), 42);
    EXPECT_EQ(log(), "lp\n-s\n--\n" + document.string() + "\n");
    answer("lp", 1);
    EXPECT_EQ(shellExecute("print", document.string(), "", ""), 31);
    environment.set("PATH", "/nonexistent");
    EXPECT_EQ(shellExecute("print", document.string(), "", ""), 31);
}

TEST_F(DesktopPrograms, ProgramsAreStartedWithTheirArgumentsApart) {
    const fs::path program = bin / "tour";
    writeFile(program, "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"$(pwd)/started.part\"\n"
                       "mv \"$(pwd)/started.part\" \"$(pwd)/started\"\n");
    fs::permissions(program, fs::perms::owner_all);
    EXPECT_EQ(shellExecute("open", program.string(), "-x \"a b\"", folder.string()), 42);
    EXPECT_EQ(waitFor(folder / "started"), "-x\na b\n");
    fs::remove(folder / "started");
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    EXPECT_EQ(winExec("tour \"lesson 1\"   two"), 33);
    EXPECT_EQ(waitFor(folder / "started"), "lesson 1\ntwo\n");
    EXPECT_EQ(winExec("no-such-program-here"), 2);
    EXPECT_EQ(winExec((folder / "none").string()), 2);
    EXPECT_EQ(winExec((folder / "nodir" / "none").string()), 3);
    EXPECT_EQ(winExec(""), 2);
    fs::current_path(before);
}

TEST_F(DesktopPrograms, FindExecutableFollowsTheDefaultApplication) {
    const fs::path viewer = bin / "viewer";
    writeFile(viewer, "#!/bin/sh\n");
    fs::permissions(viewer, fs::perms::owner_all);
    fs::create_directories(folder / "share" / "applications");
    writeFile(folder / "share" / "applications" / "viewer.desktop",
              "[Desktop Entry]\nName=Viewer\nExec=viewer --page 1 %f\n[Desktop Action New]\nExec=other\n");
    environment.set("XDG_DATA_HOME", folder / "share");
    answer("xdg-mime", 0, "viewer.desktop\n");
    std::string program;
    EXPECT_EQ(findExecutable(document.string(), "", program), 42);
    EXPECT_EQ(program, viewer.string());
    EXPECT_EQ(log(), "xdg-mime\nquery\nfiletype\n" + document.string() +
                         "\nxdg-mime\nquery\ndefault\nviewer.desktop\n");
    program.clear();
    EXPECT_EQ(findExecutable(viewer.string(), "", program), 42);
    EXPECT_EQ(program, viewer.string());
    // The planner's rule for the Exec line: blanks around the key, quotes that keep a path with blanks
    // whole, and a quote within them escaped twice (\\").
    const fs::path blanks = folder / "a folder" / "the \"viewer\"";
    fs::create_directories(blanks.parent_path());
    writeFile(blanks, "#!/bin/sh\n");
    fs::permissions(blanks, fs::perms::owner_all);
    writeFile(folder / "share" / "applications" / "viewer.desktop", "[Desktop Entry]\nExec = \"" +
                                                                        (folder / "a folder").string() +
                                                                        "/the \\\\\"viewer\\\\\"\" %f\n");
    EXPECT_EQ(findExecutable(document.string(), "", program), 42);
    EXPECT_EQ(program, blanks.string());
    answer("xdg-mime", 0, "\n");
    writeFile(bin / "xdg-mime.out", "\n");
    EXPECT_EQ(findExecutable(document.string(), "", program), 31);
    EXPECT_EQ(findExecutable((folder / "none.pdf").string(), "", program), 2);
}

TEST_F(DesktopPrograms, MessageBoxesShowTheWindowsButtons) {
    const struct {
        int32_t type;
        int exitStatus;
        const char* pressed;
        int32_t button;
    } cases[] = {{0, 0, "", 1},
                 {0, 1, "", 1},
                 {1, 1, "", 2},
                 {4, 0, "", 6},
                 {4, 1, "", 7},
                 {3, 1, "No\n", 7},
                 {3, 1, "", 2},
                 {2, 1, "Retry\n", 4},
                 {2, 1, "", 5},
                 {5, 0, "", 4},
                 {6, 1, "Try Again\n", 10},
                 {4, 255, "", 0}};
    for (const auto& c : cases) {
        fs::remove(bin / "zenity.out");
        answer("zenity", c.exitStatus, c.pressed);
        EXPECT_EQ(showMessageDialog(nullptr, "Text", "Title", c.type), c.button)
            << c.type << " " << c.exitStatus;
    }
    clearLog();
    answer("zenity", 0);
    fs::remove(bin / "zenity.out");
    EXPECT_EQ(showMessageDialog(reinterpret_cast<void*>(77), "Save <the> plan?", "Larkspan", 3 + 48), 6);
    EXPECT_EQ(log(),
              "zenity\n--question\n--no-markup\n--title=Larkspan\n--text=Save <the> plan?\n--ok-label=Yes\n"
              "--cancel-label=Cancel\n--extra-button=No\n--icon-name=dialog-warning\n--attach=77\n");
    environment.set("PATH", "/nonexistent");
    EXPECT_EQ(showMessageDialog(nullptr, "Text", "Title", 0), 0);
}

TEST_F(TempFolder, FileTestsAndTheWindowsFolder) {
    LinuxPluginServices services;
    writeFile(folder / "file.txt", "x");
    EXPECT_TRUE(services.fileExists((folder / "file.txt").string()));
    EXPECT_FALSE(services.fileExists(folder.string()));
    EXPECT_FALSE(services.fileExists((folder / "none.txt").string()));
    std::string windows;
    EXPECT_TRUE(services.windowsDirectory(windows));
    EXPECT_EQ(windows, "/etc");
    WindowsVersion version;
    EXPECT_TRUE(services.windowsVersion(version));
    EXPECT_GT(version.platform, 2u);
}

} // namespace
} // namespace lingo
