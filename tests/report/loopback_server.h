// A small HTTP server on 127.0.0.1 for the report tests: it records what each
// connection asked and answers in one chosen way. It runs on its own thread
// from construction to destruction; every wait in it is bounded.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace statvane_test {

enum class Answer {
    Ok,          // 200 with a short body and headers that invite caching
    NotFound,    // 404 with an error page
    EmptyBody,   // 200 with no body at all
    LargeBody,   // 200 with a body of many KiB
    SlowBody,    // 200 whose body's second half follows after a pause
    Close,       // the request is read, then the connection closed unanswered
};

struct Request {
    std::string line;                  // "GET /path?query HTTP/1.1"
    std::vector<std::string> headers;  // "Name: value", as received
    // The value of header `name` (case-insensitive); empty when absent.
    std::string Header(const std::string& name) const;
};

class LoopbackServer {
public:
    explicit LoopbackServer(Answer answer);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    bool ok() const { return listener_ != INVALID_SOCKET; }
    unsigned short port() const { return port_; }
    // "http://127.0.0.1:<port>" + pathAndQuery
    std::wstring Url(const std::wstring& pathAndQuery) const;
    std::vector<Request> Requests() const;
    // SlowBody: set just before the body's last part is sent, so a client
    // that returns with this still false did not read the answer to its end.
    bool LastPartStarted() const { return lastPartStarted_; }

    static constexpr std::size_t kLargeBodyBytes = 200 * 1024;

private:
    void Serve();
    void HandleConnection(SOCKET connection);
    void SendAnswer(SOCKET connection);

    Answer answer_;
    WSADATA wsa_{};
    bool wsaStarted_ = false;
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<bool> lastPartStarted_{false};
    mutable std::mutex lock_;
    std::vector<Request> requests_;
    std::thread thread_;
};

// A loopback port with nothing listening on it (bound once, then released).
unsigned short ClosedPort();

}  // namespace statvane_test
