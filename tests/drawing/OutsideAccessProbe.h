// Probes that notice an import reaching outside its document: a local TCP listener that counts the connections made
// to it, and a watch that notices every opening of a file.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

namespace drawingtest {

// Listens on a free port of 127.0.0.1; every connection is counted and closed at once, so a client that connects
// gets no answer and cannot wait for one.
class LocalListener {
public:
    LocalListener()
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(m_socket, 16) != 0 ||
            ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] {
            while (!m_stop) {
                pollfd p{m_socket, POLLIN, 0};
                if (::poll(&p, 1, 20) <= 0) continue;
                int client = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC);
                if (client < 0) continue;
                ++m_connections;
                ::close(client);
            }
        });
    }
    ~LocalListener()
    {
        m_stop = true;
        if (m_thread.joinable()) m_thread.join();
        if (m_socket >= 0) ::close(m_socket);
    }
    LocalListener(const LocalListener&) = delete;
    LocalListener& operator=(const LocalListener&) = delete;

    bool Ready() const { return m_port != 0; }
    std::string Url(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(m_port) + "/" + path;
    }
    // Connections so far, after giving a late one a moment to arrive.
    int Connections() const
    {
        ::usleep(100 * 1000);
        return m_connections;
    }

private:
    int m_socket = -1;
    unsigned short m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_connections{0};
    std::thread m_thread;
};

// Counts the openings of one file from the moment of construction.
class OpenWatch {
public:
    explicit OpenWatch(const std::string& path)
    {
        m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd >= 0) m_watch = ::inotify_add_watch(m_fd, path.c_str(), IN_OPEN | IN_ACCESS);
    }
    ~OpenWatch()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    bool Ready() const { return m_watch >= 0; }
    int Openings()
    {
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0) break;
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->mask & (IN_OPEN | IN_ACCESS)) ++m_openings;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return m_openings;
    }

private:
    int m_fd = -1;
    int m_watch = -1;
    int m_openings = 0;
};

}  // namespace drawingtest
