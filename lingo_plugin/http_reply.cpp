#include "http_reply.h"

#include "text.h"

#include <cerrno>
#include <cstdlib>
#include <sys/socket.h>

namespace lingo {
namespace {

class Reader {
public:
    explicit Reader(int fd) : fd_(fd) {}

    // One line without its CR LF; nullopt at the end of the connection.
    std::optional<std::string> line() {
        for (;;) {
            const size_t end = buffer_.find("\r\n");
            if (end != std::string::npos) {
                std::string text = buffer_.substr(0, end);
                buffer_.erase(0, end + 2);
                return text;
            }
            if (!fill()) return std::nullopt;
        }
    }

    bool bytes(size_t count, std::string& into) {
        while (buffer_.size() < count)
            if (!fill()) return false;
        into.append(buffer_, 0, count);
        buffer_.erase(0, count);
        return true;
    }

    void rest(std::string& into) {
        while (fill()) {
        }
        into += buffer_;
        buffer_.clear();
    }

private:
    bool fill() {
        char chunk[8192];
        for (;;) {
            const ssize_t got = recv(fd_, chunk, sizeof chunk, 0);
            if (got > 0) {
                buffer_.append(chunk, static_cast<size_t>(got));
                return true;
            }
            if (got < 0 && errno == EINTR) continue;
            return false;
        }
    }

    int fd_;
    std::string buffer_;
};

} // namespace

std::optional<std::string> readHttpResponse(int fd) {
    Reader reader(fd);
    for (;;) {
        const std::optional<std::string> status = reader.line();
        if (!status || status->compare(0, 5, "HTTP/") != 0) return std::nullopt;
        const size_t blank = status->find(' ');
        const int code = blank == std::string::npos ? 0 : std::atoi(status->c_str() + blank + 1);
        bool chunked = false;
        long length = -1;
        for (;;) {
            const std::optional<std::string> header = reader.line();
            if (!header) return std::nullopt;
            if (header->empty()) break;
            const std::string field = lowered(*header);
            if (field.rfind("transfer-encoding:", 0) == 0 && field.find("chunked") != std::string::npos)
                chunked = true;
            else if (field.rfind("content-length:", 0) == 0)
                length = std::atol(field.c_str() + 15);
        }
        if (code >= 100 && code < 200) continue;
        if (code != 200) return std::nullopt;
        std::string body;
        if (chunked) {
            for (;;) {
                const std::optional<std::string> size = reader.line();
                if (!size) return std::nullopt;
                const size_t count = std::strtoul(size->c_str(), nullptr, 16);
                if (count == 0) return body;
                if (!reader.bytes(count, body) || !reader.line()) return std::nullopt;
            }
        }
        if (length >= 0) {
            if (!reader.bytes(static_cast<size_t>(length), body)) return std::nullopt;
            return body;
        }
        reader.rest(body);
        return body;
    }
}

} // namespace lingo
