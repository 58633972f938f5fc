#include "tools/bustool/TEditorProcess.h"

#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/log/Log.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {
using TClock = std::chrono::steady_clock;

// Milliseconds left until the deadline for poll (-1: no deadline).
int PollTime(std::optional<TClock::time_point> deadline) {
    if (!deadline)
        return -1;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(*deadline - TClock::now()).count();
    return left > 0 ? static_cast<int>(std::min<long long>(left, 1 << 30)) : 0;
}

std::optional<TClock::time_point> Deadline(TEditorProcess::TTimeout timeout) {
    if (!timeout)
        return std::nullopt;
    return TClock::now() + *timeout;
}
} // namespace

TEditorProcess::TEditorProcess(const std::filesystem::path &program, const std::string &moduleName,
                               const std::filesystem::path &project) {
    LOG_FKT("TEditorProcess::TEditorProcess");
    if (access(program.c_str(), X_OK) != 0)
        throw EHostFailure("cannot start the editor " + program.string() + ": " +
                           std::strerror(errno));
    // An ignored SIGCHLD survives exec from whoever started the host; with it the kernel reaps
    // the editor at once and the host could never learn how it ended.
    struct sigaction child {};
    if (sigaction(SIGCHLD, nullptr, &child) == 0 && child.sa_handler == SIG_IGN)
        signal(SIGCHLD, SIG_DFL);
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0)
        throw EHostFailure(std::string("no socket pair for the editor: ") + std::strerror(errno));
    // Only the editor's end passes to the editor.
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    FSocket = fds[0];

    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind(std::string(TEts2Cdi::kProjectVariable) + "=", 0) != 0 &&
            entry.rfind(std::string(TEts2Cdi_Extended1::kEventsVariable) + "=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back(std::string(TEts2Cdi::kProjectVariable) + "=" +
                  std::filesystem::absolute(project).string());
    env.push_back(std::string(TEts2Cdi_Extended1::kEventsVariable) + "=" + std::to_string(fds[1]));
    std::vector<char *> envp;
    for (auto &entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string programText = program.string(), module = moduleName;
    char *argv[] = {programText.data(), module.data(), nullptr};

    const int rc = posix_spawn(&FPid, programText.c_str(), nullptr, nullptr, argv, envp.data());
    close(fds[1]);
    if (rc != 0) {
        close(FSocket);
        FSocket = -1;
        FPid = -1;
        throw EHostFailure("cannot start the editor " + programText + ": " + std::strerror(rc));
    }
}

TEditorProcess::~TEditorProcess() {
    LOG_FKT("TEditorProcess::~TEditorProcess");
    try {
        Kill();
    } catch (const std::exception &) {
        // The editor cannot be waited for any more; a destructor must not throw.
    }
    if (FSocket >= 0)
        close(FSocket);
}

void TEditorProcess::Send(const std::string &line) {
    LOG_FKT("TEditorProcess::Send");
    const std::string data = line + "\n";
    size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n =
            FSocket < 0 ? -1 : send(FSocket, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw EHostFailure("the editor has closed the connection");
        sent += static_cast<size_t>(n);
    }
}

TEditorProcess::TRead TEditorProcess::ReadLine(std::string &line, TTimeout timeout) {
    LOG_FKT("TEditorProcess::ReadLine");
    const auto deadline = Deadline(timeout);
    for (;;) {
        const size_t nl = FBuffer.find('\n');
        if (nl != std::string::npos) {
            line = FBuffer.substr(0, nl);
            FBuffer.erase(0, nl + 1);
            return TRead::Line;
        }
        if (FSocket < 0)
            return TRead::Ended;
        pollfd p{FSocket, POLLIN, 0};
        const int ready = poll(&p, 1, PollTime(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0)
            return TRead::TimedOut;
        char buffer[4096];
        const ssize_t n = read(FSocket, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return TRead::Ended; // an unfinished last line is no reply
        FBuffer.append(buffer, static_cast<size_t>(n));
    }
}

void TEditorProcess::CloseConnection() {
    LOG_FKT("TEditorProcess::CloseConnection");
    if (FSocket >= 0)
        close(FSocket);
    FSocket = -1;
}

bool TEditorProcess::WaitForExit(TTimeout timeout) {
    LOG_FKT("TEditorProcess::WaitForExit");
    const auto deadline = Deadline(timeout);
    while (!FStatus && FPid > 0) {
        int status = 0;
        const pid_t done = waitpid(FPid, &status, WNOHANG);
        if (done == FPid) {
            FStatus = status;
            break;
        }
        if (done < 0 && errno != EINTR)
            throw EHostFailure(std::string("waiting for the editor: ") + std::strerror(errno));
        if (deadline && TClock::now() >= *deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

bool TEditorProcess::EndedCleanly() const {
    LOG_FKT("TEditorProcess::EndedCleanly");
    return FStatus && WIFEXITED(*FStatus) && WEXITSTATUS(*FStatus) == 0;
}

std::string TEditorProcess::ExitText() const {
    LOG_FKT("TEditorProcess::ExitText");
    if (!FStatus)
        return "";
    if (WIFEXITED(*FStatus))
        return "exit code " + std::to_string(WEXITSTATUS(*FStatus));
    if (WIFSIGNALED(*FStatus))
        return "signal " + std::to_string(WTERMSIG(*FStatus));
    return "status " + std::to_string(*FStatus);
}

void TEditorProcess::Kill() {
    LOG_FKT("TEditorProcess::Kill");
    if (FPid <= 0 || FStatus)
        return;
    kill(FPid, SIGTERM);
    if (!WaitForExit(std::chrono::seconds(5))) {
        kill(FPid, SIGKILL);
        WaitForExit(std::nullopt);
    }
}
