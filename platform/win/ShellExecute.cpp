#include "platform/win/ShellExecute.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr intptr_t kErfolg = 33;

bool IstProgramm(const std::string &path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The program's path: as given when it holds a '/', else the first match on the PATH; empty
// when it is no program.
std::string FindeProgramm(const std::string &file) {
    if (file.find('/') != std::string::npos)
        return IstProgramm(file) ? file : std::string();
    const char *path = std::getenv("PATH");
    std::string rest = path ? path : "";
    size_t start = 0;
    while (start <= rest.size()) {
        const size_t end = rest.find(':', start);
        const std::string dir = rest.substr(start, end == std::string::npos ? end : end - start);
        if (!dir.empty() && IstProgramm(dir + "/" + file))
            return dir + "/" + file;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return {};
}

// Starts argv[0] in a session of its own, its parent gone at once (so the system reaps it).
// The exec's failure comes back through a pipe that closes on a successful exec.
intptr_t StarteLosgeloest(const std::vector<std::string> &args, const std::string &directory) {
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    int pipeFd[2];
    if (pipe2(pipeFd, O_CLOEXEC) != 0)
        return SE_ERR_ACCESSDENIED;
    const pid_t child = fork();
    if (child < 0) {
        close(pipeFd[0]);
        close(pipeFd[1]);
        return SE_ERR_ACCESSDENIED;
    }
    if (child == 0) {
        close(pipeFd[0]);
        setsid();
        const pid_t grandChild = fork();
        if (grandChild != 0)
            _exit(grandChild < 0 ? 1 : 0);
        int error = 0;
        if (!directory.empty() && chdir(directory.c_str()) != 0)
            error = errno;
        else {
            execv(argv[0], argv.data());
            error = errno;
        }
        (void)!write(pipeFd[1], &error, sizeof error);
        _exit(127);
    }
    close(pipeFd[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n;
    while ((n = read(pipeFd[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(pipeFd[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return SE_ERR_ACCESSDENIED;
    if (n > 0)
        return error == ENOENT ? SE_ERR_FNF : SE_ERR_ACCESSDENIED;
    return kErfolg;
}
} // namespace

std::vector<std::string> SplitShellParameters(const std::string &parameters) {
    std::vector<std::string> out;
    std::string current;
    bool inQuotes = false;
    bool inArg = false;
    for (char c : parameters) {
        if (c == '"') {
            inQuotes = !inQuotes;
            inArg = true;
        } else if (!inQuotes && (c == ' ' || c == '\t')) {
            if (inArg)
                out.push_back(current);
            current.clear();
            inArg = false;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (inArg)
        out.push_back(current);
    return out;
}

intptr_t ShellExecute(HWND, const std::string &verb, const std::string &file,
                      const std::string &parameters, const std::string &directory, int) {
    if ((!verb.empty() && verb != "open") || file.empty())
        return SE_ERR_FNF;
    if (const std::string program = FindeProgramm(file); !program.empty()) {
        std::vector<std::string> args{program};
        for (std::string &a : SplitShellParameters(parameters))
            args.push_back(std::move(a));
        return StarteLosgeloest(args, directory);
    }
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return SE_ERR_FNF;
    const std::string opener = FindeProgramm("xdg-open");
    if (opener.empty())
        return SE_ERR_FNF;
    return StarteLosgeloest({opener, file}, directory);
}
