#include "cups_client.h"

#include "http_reply.h"
#include "ipp_message.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <netdb.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace lingo {
namespace {

constexpr uint16_t kCupsGetPrinters = 0x4002;
constexpr uint16_t kPrintJob = 0x0002;
constexpr int kTimeoutSeconds = 60;

struct ServerAddress {
    std::string socketPath;
    std::string host;
    std::string port = "631";
};

ServerAddress cupsServer() {
    ServerAddress address;
    std::string named;
    if (const char* value = std::getenv("CUPS_SERVER")) named = value;
    named = named.substr(0, named.find("/version="));
    if (named.empty()) {
        struct stat info;
        if (stat("/run/cups/cups.sock", &info) == 0)
            named = "/run/cups/cups.sock";
        else
            named = "localhost";
    }
    if (named.front() == '/') {
        address.socketPath = named;
        return address;
    }
    const size_t bracket = named.find(']');
    const size_t colon = named.rfind(':');
    if (colon != std::string::npos && (bracket == std::string::npos || colon > bracket)) {
        address.port = named.substr(colon + 1);
        named.erase(colon);
    }
    if (named.size() > 2 && named.front() == '[' && named.back() == ']')
        named = named.substr(1, named.size() - 2);
    address.host = named;
    return address;
}

std::string hostField(const ServerAddress& address) {
    if (!address.socketPath.empty()) return "localhost";
    const bool v6 = address.host.find(':') != std::string::npos;
    return (v6 ? "[" + address.host + "]" : address.host) + ":" + address.port;
}

void setTimeouts(int fd) {
    timeval timeout{kTimeoutSeconds, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

int connectTo(const ServerAddress& address) {
    if (!address.socketPath.empty()) {
        sockaddr_un local{};
        local.sun_family = AF_UNIX;
        if (address.socketPath.size() >= sizeof local.sun_path) return -1;
        address.socketPath.copy(local.sun_path, address.socketPath.size());
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return -1;
        setTimeouts(fd);
        if (connect(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0) return fd;
        close(fd);
        return -1;
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(address.host.c_str(), address.port.c_str(), &hints, &found) != 0) return -1;
    int connected = -1;
    for (addrinfo* candidate = found; candidate && connected < 0; candidate = candidate->ai_next) {
        const int fd =
            socket(candidate->ai_family, candidate->ai_socktype | SOCK_CLOEXEC, candidate->ai_protocol);
        if (fd < 0) continue;
        setTimeouts(fd);
        if (connect(fd, candidate->ai_addr, candidate->ai_addrlen) == 0)
            connected = fd;
        else
            close(fd);
    }
    freeaddrinfo(found);
    return connected;
}

bool sendAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

bool sendChunk(int fd, const char* data, size_t size) {
    char head[16];
    const int length = std::snprintf(head, sizeof head, "%zx\r\n", size);
    return sendAll(fd, head, static_cast<size_t>(length)) && sendAll(fd, data, size) &&
           sendAll(fd, "\r\n", 2);
}

std::string requestHead(const ServerAddress& address, const std::string& path, const std::string& framing) {
    return "POST " + path + " HTTP/1.1\r\nHost: " + hostField(address) +
           "\r\nContent-Type: application/ipp\r\nConnection: close\r\n" + framing + "\r\n";
}

std::string userName() {
    const passwd* user = getpwuid(geteuid());
    return user ? user->pw_name : "anonymous";
}

std::string percentEncoded(const std::string& name) {
    static const char digits[] = "0123456789ABCDEF";
    std::string encoded;
    for (const unsigned char c : name) {
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += digits[c >> 4];
            encoded += digits[c & 15];
        }
    }
    return encoded;
}

IppRequest operationStart(uint16_t operation) {
    IppRequest request(operation, 1);
    request.add(kIppCharset, "attributes-charset", "utf-8");
    request.add(kIppLanguage, "attributes-natural-language", "en");
    return request;
}

class IppRawJob : public RawJob {
public:
    IppRawJob(int fd) : fd_(fd) {}
    ~IppRawJob() override { close(fd_); }
    IppRawJob(const IppRawJob&) = delete;
    IppRawJob& operator=(const IppRawJob&) = delete;

    bool write(const char* data, size_t size) override { return sendChunk(fd_, data, size); }

    bool finish() override {
        if (!sendAll(fd_, "0\r\n\r\n", 5)) return false;
        const std::optional<std::string> body = readHttpResponse(fd_);
        const std::optional<IppResponse> response = body ? parseIppResponse(*body) : std::nullopt;
        return response && response->status < 0x0100;
    }

private:
    int fd_;
};

} // namespace

bool listQueues(std::vector<CupsQueue>& queues) {
    const ServerAddress address = cupsServer();
    const int fd = connectTo(address);
    if (fd < 0) return false;
    IppRequest request = operationStart(kCupsGetPrinters);
    request.add(kIppName, "requesting-user-name", userName());
    request.add(kIppKeyword, "requested-attributes", "printer-name");
    request.addValue(kIppKeyword, "printer-make-and-model");
    request.addValue(kIppKeyword, "device-uri");
    request.addValue(kIppKeyword, "printer-uri-supported");
    const std::string body = request.finish();
    const std::string head =
        requestHead(address, "/", "Content-Length: " + std::to_string(body.size()) + "\r\n");
    std::optional<std::string> reply;
    if (sendAll(fd, head.data(), head.size()) && sendAll(fd, body.data(), body.size()))
        reply = readHttpResponse(fd);
    close(fd);
    const std::optional<IppResponse> response = reply ? parseIppResponse(*reply) : std::nullopt;
    if (!response) return false;
    if (response->status == kIppNotFound) return true; // a server without queues
    if (response->status >= 0x0100) return false;
    for (const IppGroup& group : response->groups) {
        if (group.tag != kIppPrinterGroup) continue;
        CupsQueue queue;
        queue.name = group.value("printer-name");
        queue.makeAndModel = group.value("printer-make-and-model");
        queue.deviceUri = group.value("device-uri");
        queue.printerUri = group.value("printer-uri-supported");
        if (!queue.name.empty()) queues.push_back(queue);
    }
    return true;
}

std::unique_ptr<RawJob> openRawJob(const std::string& queue) {
    const ServerAddress address = cupsServer();
    const int fd = connectTo(address);
    if (fd < 0) return nullptr;
    auto job = std::make_unique<IppRawJob>(fd);
    const std::string path = "/printers/" + percentEncoded(queue);
    IppRequest request = operationStart(kPrintJob);
    request.add(kIppUri, "printer-uri", "ipp://localhost" + path);
    request.add(kIppName, "requesting-user-name", userName());
    request.add(kIppMimeType, "document-format", "application/vnd.cups-raw");
    const std::string body = request.finish();
    const std::string head = requestHead(address, path, "Transfer-Encoding: chunked\r\n");
    if (!sendAll(fd, head.data(), head.size()) || !sendChunk(fd, body.data(), body.size())) return nullptr;
    return job;
}

} // namespace lingo
