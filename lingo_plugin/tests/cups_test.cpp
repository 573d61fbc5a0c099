// Printer handlers of the loaded TFLingo.x32 against a real CUPS server that the test starts for itself:
// loopback only, with its configuration, spool and one queue on a file device under a temporary folder.
#include "test_host.h"
#include "tests/support/environment_guard.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <optional>
#include <spawn.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace lingo::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int32_t kGetDriverPort = 12;
constexpr int32_t kDriverInstalled = 13;
constexpr int32_t kDownload = 14;
const char* const kDriver = "Larkspan Test Printer";

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int freeLoopbackPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

bool accepting(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

class CupsServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (geteuid() != 0) {
            skipReason = "the CUPS server test starts its own cupsd and needs root";
            return;
        }
        if (access("/usr/sbin/cupsd", X_OK) != 0 || access("/usr/lib/cups/filter/gziptoany", X_OK) != 0) {
            skipReason = "cupsd or its gziptoany filter is missing (packages cups-daemon, cups-core-drivers)";
            return;
        }
        char pattern[] = "/tmp/lingo-cups-XXXXXX";
        folder = mkdtemp(pattern);
        fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
        for (const char* sub : {"conf/ppd", "spool", "cache", "state", "tmp", "log", "out"})
            fs::create_directories(folder / sub);
        port = freeLoopbackPort();
        const std::string root = folder.string();
        writeFile(folder / "conf/cupsd.conf", "Listen 127.0.0.1:" + std::to_string(port) +
                                                  "\nBrowsing No\nWebInterface No\nLogLevel info\n"
                                                  "DefaultAuthType None\n"
                                                  "<Location />\n  Order allow,deny\n  Allow from 127.0.0.1\n"
                                                  "</Location>\n<Policy default>\n  <Limit All>\n"
                                                  "    Order deny,allow\n  </Limit>\n</Policy>\n");
        writeFile(folder / "conf/cups-files.conf",
                  "FileDevice Yes\nServerRoot " + root + "/conf\nRequestRoot " + root + "/spool\nCacheDir " +
                      root + "/cache\nStateDir " + root + "/state\nTempDir " + root + "/tmp\nErrorLog " +
                      root + "/log/error_log\nAccessLog " + root + "/log/access_log\nPageLog " + root +
                      "/log/page_log\nPrintcap " + root +
                      "/printcap\nServerBin /usr/lib/cups\n"
                      "DataDir /usr/share/cups\n");
        writeFile(folder / "conf/printers.conf", "<Printer LarkspanQ>\nInfo Larkspan test queue\nMakeModel " +
                                                     std::string(kDriver) + "\nDeviceURI file://" +
                                                     device().string() +
                                                     "\nState Idle\nAccepting Yes\n</Printer>\n");
        writeFile(
            folder / "conf/ppd/LarkspanQ.ppd",
            "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n*LanguageVersion: English\n"
            "*LanguageEncoding: ISOLatin1\n*PCFileName: \"LKTEST.PPD\"\n*Manufacturer: \"Larkspan\"\n"
            "*Product: \"(Larkspan Test Printer)\"\n*ModelName: \"Larkspan Test Printer\"\n"
            "*ShortNickName: \"Larkspan Test Printer\"\n*NickName: \"Larkspan Test Printer\"\n"
            "*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: False\n"
            "*DefaultColorSpace: Gray\n*FileSystem: False\n*Throughput: \"1\"\n"
            "*LandscapeOrientation: Plus90\n*TTRasterizer: Type42\n"
            "*cupsFilter: \"application/vnd.cups-raw 0 gziptoany\"\n"
            "*OpenUI *PageSize/Page Size: PickOne\n*DefaultPageSize: Letter\n"
            "*PageSize Letter/Letter: \"<</PageSize[612 792]>>setpagedevice\"\n*CloseUI: *PageSize\n"
            "*DefaultImageableArea: Letter\n*ImageableArea Letter/Letter: \"0 0 612 792\"\n"
            "*DefaultPaperDimension: Letter\n*PaperDimension Letter/Letter: \"612 792\"\n");

        const std::string cupsdConf = root + "/conf/cupsd.conf";
        const std::string filesConf = root + "/conf/cups-files.conf";
        const std::string output = root + "/log/cupsd.out";
        std::vector<const char*> argv = {"cupsd",           "-f",   "-c", cupsdConf.c_str(), "-s",
                                         filesConf.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        const int started = posix_spawn(&server, "/usr/sbin/cupsd", &actions, nullptr,
                                        const_cast<char* const*>(argv.data()), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (started != 0) server = 0;
        for (int i = 0; server && i < 1500 && !accepting(port); ++i) {
            if (waitpid(server, nullptr, WNOHANG) == server) server = 0; // it gave up: see its log
            std::this_thread::sleep_for(10ms);
        }
        environment.emplace();
        environment->set("CUPS_SERVER", "127.0.0.1:" + std::to_string(port));
        exports = loadPluginFile(LINGO_PLUGIN_FILE);
    }

    static void TearDownTestSuite() {
        if (server) {
            kill(server, SIGTERM);
            waitpid(server, nullptr, 0);
        }
        if (!folder.empty()) fs::remove_all(folder);
        environment.reset();
    }

    void SetUp() override {
        if (!skipReason.empty()) GTEST_SKIP() << skipReason;
        ASSERT_TRUE(server && accepting(port))
            << "cupsd did not start:\n"
            << readFile(folder / "log/cupsd.out") << readFile(folder / "log/error_log");
        ASSERT_TRUE(exports.getClassForm) << LINGO_PLUGIN_FILE << " does not load";
        host = std::make_unique<TestHost>(exports);
        script = host->createScript();
        ASSERT_NE(script, nullptr);
    }

    void TearDown() override {
        if (script) host->releaseScript(script);
    }

    static fs::path device() { return folder / "out/device.prn"; }

    // The jobs the server has finished so far, as its log tells.
    static int completedJobs() {
        const std::string log = readFile(folder / "log/error_log");
        int jobs = 0;
        for (size_t at = log.find("Job completed."); at != std::string::npos;
             at = log.find("Job completed.", at + 1))
            ++jobs;
        return jobs;
    }
    // Whether the server finishes `count` jobs in all within the test's time.
    static bool jobsCompleted(int count) {
        for (int i = 0; i < 3000 && completedJobs() < count; ++i) std::this_thread::sleep_for(10ms);
        return completedJobs() >= count;
    }

    ScriptResult call(int32_t selector, const std::vector<HostArgument>& arguments) {
        return host->call(script, selector, arguments);
    }

    static inline std::string skipReason;
    static inline fs::path folder;
    static inline int port = 0;
    static inline pid_t server = 0;
    static inline PluginExports exports{};
    static inline std::optional<EnvironmentGuard> environment;
    std::unique_ptr<TestHost> host;
    LkInterfaceObject* script = nullptr;
};

TEST_F(CupsServer, QueuesGiveTheDriversAndTheirPorts) {
    EXPECT_EQ(call(kGetDriverPort, {std::string("larkspan TEST printer")}).text,
              "file://" + device().string());
    EXPECT_EQ(call(kGetDriverPort, {std::string("Canon")}).text, "error: 5");
    EXPECT_EQ(call(kDriverInstalled, {std::string("LARKSPAN TEST PRINTER")}).text, "true");
    EXPECT_EQ(call(kDriverInstalled, {std::string("Canon")}).text, "false");
}

TEST_F(CupsServer, ADownloadArrivesWhole) {
    const fs::path source = folder / "font.bin";
    std::string content(3u << 20, '\0');
    for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>((i * 2654435761u) >> 24);
    writeFile(source, content);
    const int jobs = completedJobs();
    const ScriptResult result = call(kDownload, {std::string(kDriver), source.string()});
    EXPECT_EQ(result.kind, ScriptResult::Kind::Integer);
    EXPECT_EQ(result.integer, 0);
    ASSERT_TRUE(jobsCompleted(jobs + 1)) << readFile(folder / "log/error_log");
    const std::string arrived = readFile(device());
    EXPECT_EQ(arrived.size(), content.size());
    EXPECT_TRUE(arrived == content);
}

TEST_F(CupsServer, AFailedDownloadSendsNothing) {
    const fs::path source = folder / "font.bin";
    writeFile(source, "bytes");
    fs::remove(device());
    const int jobs = completedJobs();
    EXPECT_EQ(call(kDownload, {std::string("larkspan test printer"), source.string()}).integer, 5);
    EXPECT_EQ(call(kDownload, {std::string(kDriver), (folder / "missing.bin").string()}).integer, 6);
    // The queue prints in order: once a good job sent afterwards is done, a job of the failed downloads
    // would have been done before it.
    EXPECT_EQ(call(kDownload, {std::string(kDriver), source.string()}).integer, 0);
    ASSERT_TRUE(jobsCompleted(jobs + 1)) << readFile(folder / "log/error_log");
    EXPECT_EQ(completedJobs(), jobs + 1);
    EXPECT_EQ(readFile(device()), "bytes");
}

TEST_F(CupsServer, AServerThatCannotBeReachedIsReported) {
    EnvironmentGuard unreachable;
    unreachable.set("CUPS_SERVER", "127.0.0.1:" + std::to_string(freeLoopbackPort()));
    EXPECT_EQ(call(kGetDriverPort, {std::string(kDriver)}).text, "error: 3");
    EXPECT_EQ(call(kDriverInstalled, {std::string(kDriver)}).text, "error: 1722");
    EXPECT_EQ(call(kDownload, {std::string(kDriver), (folder / "conf/cupsd.conf").string()}).integer, 3);
}

} // namespace
} // namespace lingo::test
