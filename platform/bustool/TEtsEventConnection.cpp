#include "platform/bustool/TEtsEventConnection.h"

#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/log/Log.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

TEtsEventConnection::TEtsEventConnection(TEts2Cdi_Extended1 &cdi, int fd) : FFd(fd) {
    LOG_FKT("TEtsEventConnection::TEtsEventConnection");
    int type = 0;
    socklen_t size = sizeof type;
    if (fd < 0 || getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &size) != 0 || type != SOCK_STREAM) {
        const std::string why = fd < 0 ? "no descriptor" : std::strerror(errno);
        throw EEtsConnection("event connection " + std::to_string(fd) +
                             " is not a stream socket (" + (type ? "another type" : why) + ")");
    }
    // Programs the editor starts must not keep the host's connection open.
    const int fdFlags = fcntl(fd, F_GETFD);
    const int flFlags = fcntl(fd, F_GETFL);
    if (fdFlags < 0 || flFlags < 0 || fcntl(fd, F_SETFD, fdFlags | FD_CLOEXEC) != 0 ||
        fcntl(fd, F_SETFL, flFlags | O_NONBLOCK) != 0)
        throw EEtsConnection(std::string("event connection: ") + std::strerror(errno));
    FDecoder = std::make_unique<TEtsEventDecoder>(
        cdi, [this](const std::string &line) { return Write(line); });
}

TEtsEventConnection::~TEtsEventConnection() {
    LOG_FKT("TEtsEventConnection::~TEtsEventConnection");
    *FAlive = false;
    FDecoder.reset();
    close(FFd);
}

std::unique_ptr<TEtsEventConnection> TEtsEventConnection::FromEnvironment(TEts2Cdi_Extended1 &cdi) {
    LOG_FKT("TEtsEventConnection::FromEnvironment");
    const char *value = std::getenv(TEts2Cdi_Extended1::kEventsVariable);
    if (!value)
        return nullptr;
    const std::string text = value;
    int fd = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), fd);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || fd < 0)
        throw EEtsConnection(std::string(TEts2Cdi_Extended1::kEventsVariable) + "=\"" + text +
                             "\" is not a descriptor number");
    return std::make_unique<TEtsEventConnection>(cdi, fd);
}

int TEtsEventConnection::Fd() const {
    LOG_FKT("TEtsEventConnection::Fd");
    return FFd;
}

TEtsEventDecoder &TEtsEventConnection::Decoder() {
    LOG_FKT("TEtsEventConnection::Decoder");
    return *FDecoder;
}

bool TEtsEventConnection::ReadAvailable() {
    LOG_FKT("TEtsEventConnection::ReadAvailable");
    // A handler may destroy this connection (with the interface object) while it runs.
    const std::shared_ptr<bool> alive = FAlive;
    while (!FEnded) {
        char buffer[4096];
        const ssize_t n = read(FFd, buffer, sizeof buffer);
        if (n > 0) {
            FDecoder->Feed(std::string_view(buffer, static_cast<size_t>(n)));
            if (!*alive)
                return false;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return true;
        // The host closed its end, or the socket broke: either way no event comes any more.
        FEnded = true;
        FDecoder->End();
        if (!*alive)
            return false;
    }
    return false;
}

bool TEtsEventConnection::Write(const std::string &line) {
    LOG_FKT("TEtsEventConnection::Write");
    const std::string data = line + "\n";
    size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = send(FFd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p{FFd, POLLOUT, 0};
            if (poll(&p, 1, -1) < 0 && errno != EINTR)
                return false;
        } else {
            return false;
        }
    }
    return true;
}
