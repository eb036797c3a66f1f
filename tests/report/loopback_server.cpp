#include "loopback_server.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <cctype>
#include <chrono>

namespace statvane_test {
namespace {

constexpr std::size_t kMaxRequestHead = 16 * 1024;
constexpr DWORD kSocketTimeoutMs = 5000;

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool SendAll(SOCKET s, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const int n = ::send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

std::string Head(const char* status, std::size_t contentLength, const char* extra = "") {
    return std::string("HTTP/1.1 ") + status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
           std::to_string(contentLength) + "\r\nConnection: close\r\n" + extra + "\r\n";
}

SOCKET BindLoopback(unsigned short* port) {
    SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return s;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof(address);
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::closesocket(s);
        return INVALID_SOCKET;
    }
    *port = ntohs(address.sin_port);
    return s;
}

}  // namespace

std::string Request::Header(const std::string& name) const {
    for (const std::string& header : headers) {
        const std::size_t colon = header.find(':');
        if (colon == std::string::npos || !SameText(header.substr(0, colon), name)) continue;
        std::size_t start = colon + 1;
        while (start < header.size() && header[start] == ' ') ++start;
        return header.substr(start);
    }
    return std::string();
}

LoopbackServer::LoopbackServer(Answer answer) : answer_(answer) {
    wsaStarted_ = ::WSAStartup(MAKEWORD(2, 2), &wsa_) == 0;
    if (!wsaStarted_) return;
    listener_ = BindLoopback(&port_);
    if (listener_ == INVALID_SOCKET) return;
    if (::listen(listener_, 8) != 0) {
        ::closesocket(listener_);
        listener_ = INVALID_SOCKET;
        return;
    }
    thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ != INVALID_SOCKET) ::closesocket(listener_);
    if (wsaStarted_) ::WSACleanup();
}

std::wstring LoopbackServer::Url(const std::wstring& pathAndQuery) const {
    return L"http://127.0.0.1:" + std::to_wstring(port_) + pathAndQuery;
}

std::vector<Request> LoopbackServer::Requests() const {
    std::lock_guard<std::mutex> hold(lock_);
    return requests_;
}

void LoopbackServer::Serve() {
    while (!stop_) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener_, &ready);
        timeval wait{0, 50 * 1000};  // looks at stop_ twenty times a second
        if (::select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
        const SOCKET connection = ::accept(listener_, nullptr, nullptr);
        if (connection == INVALID_SOCKET) continue;
        const DWORD timeout = kSocketTimeoutMs;
        ::setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
        ::setsockopt(connection, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
        HandleConnection(connection);
        ::closesocket(connection);
    }
}

void LoopbackServer::HandleConnection(SOCKET connection) {
    std::string head;
    char chunk[1024];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < kMaxRequestHead) {
        const int n = ::recv(connection, chunk, sizeof(chunk), 0);
        if (n <= 0) return;
        head.append(chunk, static_cast<std::size_t>(n));
    }
    Request request;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = head.find("\r\n", start);
        if (end == std::string::npos || end == start) break;
        const std::string line = head.substr(start, end - start);
        if (request.line.empty()) {
            request.line = line;
        } else {
            request.headers.push_back(line);
        }
        start = end + 2;
    }
    {
        std::lock_guard<std::mutex> hold(lock_);
        requests_.push_back(request);
    }
    SendAnswer(connection);
}

void LoopbackServer::SendAnswer(SOCKET connection) {
    switch (answer_) {
    case Answer::Ok: {
        const std::string body = "thanks";
        SendAll(connection, Head("200 OK", body.size(),
                                 "Cache-Control: public, max-age=86400\r\n"
                                 "Expires: Thu, 01 Jan 2037 00:00:00 GMT\r\n"
                                 "Last-Modified: Mon, 01 Jan 2001 00:00:00 GMT\r\n"
                                 "ETag: \"report-1\"\r\n") +
                                body);
        break;
    }
    case Answer::NotFound: {
        const std::string body = "<html><body>404 Not Found</body></html>";
        SendAll(connection, Head("404 Not Found", body.size()) + body);
        break;
    }
    case Answer::EmptyBody:
        SendAll(connection, Head("200 OK", 0));
        break;
    case Answer::LargeBody: {
        std::string body(kLargeBodyBytes, 'x');
        for (std::size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>('a' + i % 26);
        SendAll(connection, Head("200 OK", body.size()) + body);
        break;
    }
    case Answer::SlowBody: {
        const std::string half(3000, 's');
        if (!SendAll(connection, Head("200 OK", 2 * half.size()) + half)) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        lastPartStarted_ = true;
        SendAll(connection, half);
        break;
    }
    case Answer::Close:
        return;
    }
    // Let the client read everything before the socket goes.
    ::shutdown(connection, SD_SEND);
    char drain[256];
    while (::recv(connection, drain, sizeof(drain), 0) > 0) {
    }
}

unsigned short ClosedPort() {
    WSADATA wsa;
    if (::WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return 0;
    unsigned short port = 0;
    const SOCKET s = BindLoopback(&port);
    if (s != INVALID_SOCKET) ::closesocket(s);
    ::WSACleanup();
    return port;
}

}  // namespace statvane_test
