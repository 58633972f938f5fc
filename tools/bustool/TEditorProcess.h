// The editor as the host program's child process: started with the module name as its one
// argument, the project file and its end of a new Unix socket pair named in its environment
// (TEts2Cdi::kProjectVariable, TEts2Cdi_Extended1::kEventsVariable). The host keeps the other
// end: it sends event lines and reads reply lines, each wait bounded by a time-out, and
// notices when the editor ends (its end of the socket closes).
#pragma once

#include "platform/vcl/Exception.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>

// A failure of the host's run: the program exits with kExitFailure.
class EHostFailure : public Exception {
    using Exception::Exception;
};

class TEditorProcess {
public:
    using TTimeout = std::optional<std::chrono::milliseconds>; // none: wait without end

    // Throws EHostFailure when the program cannot be started.
    TEditorProcess(const std::filesystem::path &program, const std::string &moduleName,
                   const std::filesystem::path &project);
    // An editor still running is ended (Kill).
    ~TEditorProcess();
    TEditorProcess(const TEditorProcess &) = delete;
    TEditorProcess &operator=(const TEditorProcess &) = delete;

    // Sends one line; throws EHostFailure when the editor has closed its end.
    void Send(const std::string &line);
    enum class TRead { Line, Ended, TimedOut };
    // The next line the editor sent (without "\n"), or the end of the connection, or nothing
    // within the time-out.
    TRead ReadLine(std::string &line, TTimeout timeout);
    // Closes the host's end: the editor sees the end of the connection.
    void CloseConnection();
    // Waits for the editor to end; false when it is still running after the time-out.
    bool WaitForExit(TTimeout timeout);
    // True once the editor ended with exit code 0.
    bool EndedCleanly() const;
    // How the editor ended: "exit code 3", "signal 9"; "" while it runs.
    std::string ExitText() const;
    // Ends the editor: SIGTERM, and SIGKILL when it has not ended a few seconds later.
    void Kill();

private:
    pid_t FPid = -1;
    int FSocket = -1;
    std::string FBuffer;
    std::optional<int> FStatus;
};
