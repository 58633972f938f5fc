#include "shell/DateiErsetzen.h"

#include "platform/log/Log.h"
#include "platform/vcl/Exception.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

void ErsetzeDatei(const std::string &path, const TMemoryStream &inhalt) {
    LOG_FKT("ErsetzeDatei");
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        throw EFCreateError("Cannot create file \"" + path + "\". " + std::strerror(errno));
    auto fehler = [&](int code) {
        ::unlink(temp.c_str());
        throw EFCreateError("Cannot create file \"" + path + "\". " + std::strerror(code));
    };
    const uint8_t *data = inhalt.Memory();
    long long rest = inhalt.Size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(rest));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int code = n < 0 ? errno : ENOSPC;
            ::close(fd);
            fehler(code);
        }
        data += n;
        rest -= n;
    }
    // The file's bytes are on the disk before the name points at them.
    const int synced = ::fsync(fd) == 0 ? 0 : errno;
    if (::close(fd) != 0 && synced == 0)
        fehler(errno);
    if (synced != 0)
        fehler(synced);
    // mkstemp makes the file for its owner only; the copy is read like any other file.
    ::chmod(temp.c_str(), 0644);
    if (std::rename(temp.c_str(), path.c_str()) != 0)
        fehler(errno);
}
