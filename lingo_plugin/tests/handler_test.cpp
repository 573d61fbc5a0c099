// The eighteen handlers through the host's scripting interface, with the services scripted.
#include "scripted_services.h"
#include "test_host.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace lingo::test {
namespace {

namespace fs = std::filesystem;
using Kind = ScriptResult::Kind;

enum Selector : int32_t {
    GetWinVersion = 1,
    GetLocale,
    GetPrimaryLang,
    GetSubLang,
    FileExists,
    OpenFile,
    PrintFile,
    ShellExecute,
    FindExecutable,
    WinExec,
    ExitWindows,
    GetDriverPort,
    DriverInstalled,
    Download,
    GetWinDirectory,
    MessageBox,
    GetPrivateProfileString,
    GetRegKey,
};

PluginExports linkedPlugin() {
    return {DllGetClassForm, DllGetClassInfo, DllGetInterface, DllGetClassObject, DllCanUnloadNow};
}

void expectText(const ScriptResult& result, const std::string& text) {
    EXPECT_EQ(result.kind, Kind::Text);
    EXPECT_EQ(result.text, text);
}

void expectInteger(const ScriptResult& result, int32_t value) {
    EXPECT_EQ(result.kind, Kind::Integer) << result.text;
    EXPECT_EQ(result.integer, value);
}

class Handlers : public ::testing::Test {
protected:
    void SetUp() override {
        useServices(&services);
        script = host.createScript();
        ASSERT_NE(script, nullptr);
    }
    void TearDown() override {
        host.releaseScript(script);
        useServices(nullptr);
        EXPECT_EQ(host.liveBlocks(), 0u);
        EXPECT_EQ(DllCanUnloadNow(), LK_OK);
    }
    ScriptResult call(int32_t selector, const std::vector<HostArgument>& arguments = {}) {
        return host.call(script, selector, arguments);
    }

    ScriptedPluginServices services;
    TestHost host{linkedPlugin()};
    LkInterfaceObject* script = nullptr;
};

TEST_F(Handlers, WindowsVersionNamesOnlyTheThreePlatforms) {
    const struct {
        WindowsVersion version;
        const char* text;
    } cases[] = {
        {{0, 3, 10, 1234}, "Windows 3.x, 3.10, 1234"}, {{1, 4, 10, 0x040A0898}, "Windows 95, 4.10, 2200"},
        {{2, 5, 1, 2600}, "Windows NT, 5.1, 2600"},    {{3, 6, 0, 1}, "Unknown OS"},
        {{0xFFFFFFFFu, 0, 0, 0}, "Unknown OS"},
    };
    for (const auto& c : cases) {
        services.version = c.version;
        expectText(call(GetWinVersion), c.text);
    }
    services.versionReadable = false;
    expectText(call(GetWinVersion), "error: 1");
}

TEST_F(Handlers, LanguageIdsSplitIntoPrimaryAndSubLanguage) {
    const struct {
        uint32_t lcid;
        int32_t primary;
        int32_t sub;
    } cases[] = {{0x0409, 9, 1}, {0x0C0A, 10, 3}, {0x080A, 10, 2}, {0x0004080A, 10, 2}};
    for (const auto& c : cases) {
        services.lcid = c.lcid;
        expectInteger(call(GetLocale), static_cast<int32_t>(c.lcid));
        expectInteger(call(GetPrimaryLang), c.primary);
        expectInteger(call(GetSubLang), c.sub);
    }
}

TEST_F(Handlers, FileExistsNeedsAName) {
    services.files = {"/data/movie.dir"};
    expectInteger(call(FileExists, {std::string("/data/movie.dir")}), 1);
    expectInteger(call(FileExists, {std::string("/data/missing.dir")}), 0);
    expectText(call(FileExists, {std::string()}), "error: -2147221503");
    expectText(call(FileExists, {NoValue{}}), "error: -2147221503");
    EXPECT_EQ(services.fileQueries.size(), 2u);
}

TEST_F(Handlers, ShellHandlersPassTheFolderOfTheNameAndReturnTheShellsNumber) {
    services.shellAnswer = 42;
    expectInteger(call(OpenFile, {std::string("/docs/a b/lesson.pdf")}), 42);
    services.shellAnswer = 2;
    expectInteger(call(PrintFile, {std::string("C:\\docs\\lesson.pdf")}), 2);
    expectInteger(call(OpenFile, {std::string("lesson.pdf")}), 2);
    expectInteger(call(ShellExecute, {std::string("edit"), std::string("/x/notes.txt"), std::string("-n 3"),
                                      std::string("/tmp"), std::string("7")}),
                  2);
    ASSERT_EQ(services.shellRequests.size(), 4u);
    const ShellRequest& open = services.shellRequests[0];
    EXPECT_EQ(open.parent, host.parentWindow);
    EXPECT_EQ(open.verb, "open");
    EXPECT_EQ(open.file, "/docs/a b/lesson.pdf");
    EXPECT_EQ(open.parameters, "");
    EXPECT_EQ(open.directory, "/docs/a b");
    EXPECT_EQ(open.show, 1);
    EXPECT_EQ(services.shellRequests[1].verb, "print");
    EXPECT_EQ(services.shellRequests[1].directory, "C:\\docs");
    EXPECT_EQ(services.shellRequests[2].directory, "");
    const ShellRequest& execute = services.shellRequests[3];
    EXPECT_EQ(execute.verb, "edit");
    EXPECT_EQ(execute.file, "/x/notes.txt");
    EXPECT_EQ(execute.parameters, "-n 3");
    EXPECT_EQ(execute.directory, "/tmp");
    EXPECT_EQ(execute.show, 7);
}

TEST_F(Handlers, FindExecutableGivesThePathOrTheShellsError) {
    services.foundProgram = "/usr/bin/evince";
    expectText(call(FindExecutable, {std::string("/docs/lesson.pdf")}), "/usr/bin/evince");
    EXPECT_EQ(services.findRequests.back().directory, "/docs");
    services.findAnswer = 31;
    expectText(call(FindExecutable, {std::string("/docs/lesson.xyz")}), "error: 31");
    services.findAnswer = 0;
    EXPECT_EQ(call(FindExecutable, {std::string("/docs/lesson.xyz")}).kind, Kind::None);
}

TEST_F(Handlers, WinExecAndExitWindowsReturnTheirNumbers) {
    services.winExecAnswer = 33;
    expectInteger(call(WinExec, {std::string("\"/opt/tour/Guided Tour\" -x")}), 33);
    ASSERT_EQ(services.commandLines.size(), 1u);
    EXPECT_EQ(services.commandLines[0].first, "\"/opt/tour/Guided Tour\" -x");
    EXPECT_EQ(services.commandLines[0].second, 1);
    services.winExecAnswer = 2;
    expectInteger(call(WinExec, {std::string("nothing-here")}), 2);

    expectInteger(call(ExitWindows), 0);
    services.rebootGranted = false;
    const ScriptResult refused = call(ExitWindows);
    EXPECT_EQ(refused.kind, Kind::Integer);
    EXPECT_NE(refused.integer, 0);
    EXPECT_EQ(services.reboots, 2);
}

class PrinterHandlers : public Handlers {
protected:
    void SetUp() override {
        Handlers::SetUp();
        services.printers = {
            {"laser", "", "", "usb://HP/LaserJet", "HP LaserJet 4"},
            {"office", "printsrv", "Office", "ipp://printsrv/printers/office", "Epson Stylus"},
            {"nowhere", "", "", "", "Dead Driver"},
            {"later", "", "", "/dev/later", "Dead Driver"}};
        services.drivers = {"HP LaserJet 4", "Epson Stylus"};
    }
};

TEST_F(PrinterHandlers, DriverPortIsThePortOrTheShareOfTheFirstPrinterWithTheDriver) {
    expectText(call(GetDriverPort, {std::string("hp laserjet 4")}), "usb://HP/LaserJet");
    expectText(call(GetDriverPort, {std::string("Epson Stylus")}), "printsrv\\Office");
    expectText(call(GetDriverPort, {std::string("Dead Driver")}), "error: 5");
    expectText(call(GetDriverPort, {std::string("Canon")}), "error: 5");
    expectText(call(GetDriverPort, {std::string()}), "error: 1");
    services.printersListed = false;
    expectText(call(GetDriverPort, {std::string("HP LaserJet 4")}), "error: 3");
}

TEST_F(PrinterHandlers, DriverInstalledComparesWithoutCase) {
    expectText(call(DriverInstalled, {std::string("epson STYLUS")}), "true");
    expectText(call(DriverInstalled, {std::string("Canon")}), "false");
    expectText(call(DriverInstalled, {std::string()}), "error: 1");
    services.driversError = 1722;
    expectText(call(DriverInstalled, {std::string("Epson Stylus")}), "error: 1722");
}

class DownloadHandler : public PrinterHandlers {
protected:
    void SetUp() override {
        PrinterHandlers::SetUp();
        folder = fs::temp_directory_path() / ("lingo-download-" + std::to_string(getpid()));
        fs::create_directories(folder);
        source = (folder / "font.bin").string();
        content.resize(3u << 20);
        for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>((i * 7919) >> 5);
        std::ofstream(source, std::ios::binary)
            .write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    void TearDown() override {
        fs::remove_all(folder);
        PrinterHandlers::TearDown();
    }
    int32_t download(const std::string& driver, const std::string& file) {
        const ScriptResult result = call(Download, {driver, file});
        EXPECT_EQ(result.kind, Kind::Integer);
        return result.integer;
    }

    fs::path folder;
    std::string source;
    std::string content;
};

TEST_F(DownloadHandler, CopiesTheWholeFileInSteps) {
    EXPECT_EQ(download("HP LaserJet 4", source), 0);
    ASSERT_EQ(services.jobs.size(), 1u);
    EXPECT_EQ(services.jobs[0].printer, "laser");
    EXPECT_TRUE(services.jobs[0].finished);
    EXPECT_EQ(services.jobs[0].bytes.size(), content.size());
    EXPECT_TRUE(services.jobs[0].bytes == content);
    EXPECT_EQ(services.writeSizes, (std::vector<size_t>{2u << 20, 1u << 20}));
}

TEST_F(DownloadHandler, NumbersFollowTheOrderOfTheChecks) {
    const std::string missing = (folder / "missing.bin").string();
    EXPECT_EQ(download("", source), 1);
    EXPECT_EQ(download("HP LaserJet 4", ""), 1);
    EXPECT_EQ(download("hp laserjet 4", source), 5); // the driver's name must match exactly
    EXPECT_EQ(download("Canon", source), 5);
    EXPECT_EQ(download("Dead Driver", source), 5);
    EXPECT_EQ(download("HP LaserJet 4", missing), 6);
    EXPECT_EQ(download("HP LaserJet 4", folder.string()), 6);
    services.portOpens = false;
    EXPECT_EQ(download("HP LaserJet 4", missing), 7);
    services.printersListed = false;
    EXPECT_EQ(download("HP LaserJet 4", source), 3);
    host.refuseAllocationsFrom(host.allocations() + 1);
    EXPECT_EQ(download("HP LaserJet 4", source), 2);
    for (const SentJob& job : services.jobs) EXPECT_FALSE(job.finished);
}

TEST_F(DownloadHandler, APortThatStopsTakingBytesGivesSevenAndPrintsNothing) {
    services.writesAccepted = 1;
    EXPECT_EQ(download("HP LaserJet 4", source), 7);
    ASSERT_EQ(services.jobs.size(), 1u);
    EXPECT_FALSE(services.jobs[0].finished);
    services.writesAccepted = static_cast<size_t>(-1);
    services.jobFinishes = false;
    EXPECT_EQ(download("HP LaserJet 4", source), 7);
}

TEST_F(DownloadHandler, APortNamingAFileIsNeverOpenedAsOne) {
    const std::string port = (folder / "port.txt").string();
    std::ofstream(port) << "keep me";
    services.printers = {{"file", "", "", port, "File Driver"}};
    EXPECT_EQ(download("File Driver", (folder / "missing.bin").string()), 6);
    EXPECT_EQ(download("File Driver", source), 0);
    std::ifstream kept(port);
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "keep me");
}

TEST_F(DownloadHandler, ALongPathIsUsedWhole) {
    fs::path deep = folder;
    for (int i = 0; i < 6; ++i) deep /= std::string(60, static_cast<char>('a' + i));
    fs::create_directories(deep);
    const std::string longSource = (deep / "font.bin").string();
    ASSERT_GT(longSource.size(), 300u);
    fs::copy_file(source, longSource);
    EXPECT_EQ(download("HP LaserJet 4", longSource), 0);
    ASSERT_EQ(services.jobs.size(), 1u);
    EXPECT_TRUE(services.jobs[0].bytes == content);
}

TEST_F(Handlers, WindowsFolderOrError) {
    expectText(call(GetWinDirectory), "/etc");
    services.windowsFolderKnown = false;
    expectText(call(GetWinDirectory), "Error");
}

TEST_F(Handlers, MessageBoxPreparesTheHostAndReturnsTheButton) {
    services.button = 7;
    expectInteger(call(MessageBox, {std::string("Quit the lesson?"), std::string("Larkspan"), 4 + 32}), 7);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Quit the lesson?");
    EXPECT_EQ(services.messages[0].title, "Larkspan");
    EXPECT_EQ(services.messages[0].type, 36);
    EXPECT_EQ(services.messages[0].parent, host.parentWindow);
    EXPECT_EQ(host.prepared, 1);
    EXPECT_EQ(host.restoredStates, (std::vector<void*>{reinterpret_cast<void*>(0x5AFE)}));

    expectInteger(call(MessageBox, {std::string(), std::string("Larkspan"), 0}), 0);
    expectInteger(call(MessageBox, {std::string("Text"), std::string(), 0}), 0);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(host.prepared, 1);
}

TEST_F(Handlers, ProfileStringNeedsAllFourArguments) {
    services.profileAnswer = "Blue";
    expectText(call(GetPrivateProfileString, {std::string("Colors"), std::string("Back"),
                                              std::string("White"), std::string("course.ini")}),
               "Blue");
    ASSERT_EQ(services.profileRequests.size(), 1u);
    EXPECT_EQ(services.profileRequests[0],
              (std::vector<std::string>{"Colors", "Back", "White", "course.ini"}));
    for (int empty = 0; empty < 4; ++empty) {
        std::vector<HostArgument> arguments = {std::string("Colors"), std::string("Back"),
                                               std::string("White"), std::string("course.ini")};
        arguments[static_cast<size_t>(empty)] = std::string();
        expectText(call(GetPrivateProfileString, arguments), "error: 1");
    }
    EXPECT_EQ(services.profileRequests.size(), 1u);
}

TEST_F(Handlers, RegistryKeyGivesItsValueOrTheRegistrysError) {
    services.classesRoot["CVTab.ctlTab\\CLSID"] = "{0D5F0A41-1C3B-4F40-9C1E-6A2B7C3D4E5F}";
    expectText(call(GetRegKey, {std::string("CVTab.ctlTab\\CLSID")}),
               "{0D5F0A41-1C3B-4F40-9C1E-6A2B7C3D4E5F}");
    expectText(call(GetRegKey, {std::string("CVTab.ctlTab\\Nothing")}), "error: 2");
}

TEST_F(Handlers, SelectorsOutsideTheTableSetNothing) {
    for (const int32_t selector : {0, 19, -1, 1000}) EXPECT_EQ(call(selector).kind, Kind::None) << selector;
    EXPECT_TRUE(services.shellRequests.empty());
    EXPECT_EQ(services.reboots, 0);
}

TEST_F(PrinterHandlers, MissingArgumentsReadAsEmpty) {
    const struct {
        int32_t selector;
        Kind kind;
        int32_t integer;
        const char* text;
    } cases[] = {
        {FileExists, Kind::Text, 0, "error: -2147221503"},
        {GetDriverPort, Kind::Text, 0, "error: 1"},
        {DriverInstalled, Kind::Text, 0, "error: 1"},
        {Download, Kind::Integer, 1, ""},
        {MessageBox, Kind::Integer, 0, ""},
        {GetPrivateProfileString, Kind::Text, 0, "error: 1"},
    };
    const std::vector<HostArgument> full = {std::string("HP LaserJet 4"), std::string("x"), std::string("y"),
                                            std::string("z"), 3};
    for (const auto& c : cases) {
        for (const int32_t count : {0, 1}) {
            const ScriptResult result = host.callWithCount(script, c.selector, full, count);
            EXPECT_EQ(result.kind, c.kind) << c.selector;
            EXPECT_EQ(result.integer, c.integer) << c.selector;
            EXPECT_EQ(result.text, c.text) << c.selector;
        }
    }
    // The Default is the third argument: without it the look-up is refused.
    expectText(host.callWithCount(script, GetPrivateProfileString, full, 3), "error: 1");
    host.callWithCount(script, ShellExecute, full, 3);
    ASSERT_EQ(services.shellRequests.size(), 1u);
    EXPECT_EQ(services.shellRequests[0].file, "x");
    EXPECT_EQ(services.shellRequests[0].parameters, "");
    EXPECT_EQ(services.shellRequests[0].show, 0);
    EXPECT_TRUE(services.profileRequests.empty());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(Handlers, LongTextsAreNeverCut) {
    const std::string longName = "/data/" + std::string(5000, 'n') + ".dir";
    services.files = {longName.substr(0, 255), longName.substr(0, 1024)};
    expectInteger(call(FileExists, {longName}), 0);
    EXPECT_EQ(services.fileQueries.back(), longName);
    services.files = {longName};
    expectInteger(call(FileExists, {longName}), 1);

    const std::string longValue(3000, 'v');
    services.classesRoot["Long"] = longValue;
    expectText(call(GetRegKey, {std::string("Long")}), longValue);
    services.foundProgram = "/opt/" + std::string(600, 'p');
    expectText(call(FindExecutable, {longName}), services.foundProgram);
    services.profileAnswer = std::string(2000, 'q');
    expectText(
        call(GetPrivateProfileString, {std::string("S"), std::string("K"), std::string("D"), longName}),
        services.profileAnswer);
    EXPECT_EQ(services.profileRequests.back()[3], longName);
    call(ShellExecute, {std::string(300, 'm'), longName, longName, longName, 1});
    EXPECT_EQ(services.shellRequests.back().verb, std::string(300, 'm'));
    EXPECT_EQ(services.shellRequests.back().parameters, longName);
}

} // namespace
} // namespace lingo::test
