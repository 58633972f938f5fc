// The editor's end of the event connection: found in the environment, read without blocking,
// answered on the same socket, ended by the host closing its end; and the line protocol that
// both ends speak.
#include "TempProject.h"

#include "platform/bustool/TEtsEventConnection.h"

#include <gtest/gtest.h>

#include <set>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The environment of the editor's process for the lifetime of the object.
class TEditorEnvironment {
public:
    TEditorEnvironment(const std::filesystem::path &project, const std::string &events) {
        setenv(TEts2Cdi::kProjectVariable, project.c_str(), 1);
        setenv(TEts2Cdi_Extended1::kEventsVariable, events.c_str(), 1);
    }
    ~TEditorEnvironment() {
        unsetenv(TEts2Cdi::kProjectVariable);
        unsetenv(TEts2Cdi_Extended1::kEventsVariable);
    }
};

// The host's end: writes lines, reads reply lines (waiting at most a generous guard time).
class THostEnd {
public:
    explicit THostEnd(int fd) : FFd(fd) {}
    ~THostEnd() { Close(); }
    void Send(const std::string &text) {
        ASSERT_EQ(write(FFd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    std::string Line() {
        for (;;) {
            const size_t nl = FBuffer.find('\n');
            if (nl != std::string::npos) {
                std::string line = FBuffer.substr(0, nl);
                FBuffer.erase(0, nl + 1);
                return line;
            }
            pollfd p{FFd, POLLIN, 0};
            if (poll(&p, 1, 30000) != 1)
                return "<no line>";
            char buffer[256];
            const ssize_t n = read(FFd, buffer, sizeof buffer);
            if (n <= 0)
                return "<end>";
            FBuffer.append(buffer, static_cast<size_t>(n));
        }
    }
    void Close() {
        if (FFd >= 0)
            close(FFd);
        FFd = -1;
    }

private:
    int FFd;
    std::string FBuffer;
};

TEST(EventConnection, TheEditorFindsItInItsEnvironmentAndAnswersOnIt) {
    TTempProject project;
    int fds[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    THostEnd host(fds[0]);
    TEditorEnvironment env(project.File(), std::to_string(fds[1]));
    TEts2Cdi_Extended1 cdi(nullptr, "083AZ160", false);
    TEtsEventConnection *events = cdi.Events();
    ASSERT_NE(events, nullptr);
    EXPECT_EQ(events->Fd(), fds[1]);
    EXPECT_NE(fcntl(fds[1], F_GETFD) & FD_CLOEXEC, 0); // programs it starts do not inherit it

    std::vector<std::string> seen;
    cdi.OnCdiEditParameters = [&](bool *done, int *result, TCdiSender, long id) {
        seen.push_back("edit " + std::to_string(id));
        *done = false;
        *result = 1;
    };
    cdi.OnWmUserSvStop = [&](bool *, int *, TCdiSender, WPARAM, LPARAM) { seen.push_back("stop"); };

    EXPECT_TRUE(events->ReadAvailable()); // nothing there: it does not block
    host.Send("EditParameters 1\nEditPar");
    EXPECT_TRUE(events->ReadAvailable());
    EXPECT_EQ(host.Line(), "Answer 0 1");
    EXPECT_TRUE(cdi.ReturnToEts(1));
    EXPECT_EQ(host.Line(), "ReturnToEts 1");
    host.Send("ameters 1\n");
    EXPECT_TRUE(events->ReadAvailable());
    EXPECT_EQ(host.Line(), "Answer 0 1");

    host.Close(); // the host ends: the editor stops
    EXPECT_FALSE(events->ReadAvailable());
    EXPECT_EQ(seen, std::vector<std::string>({"edit 1", "edit 1", "stop"}));
    EXPECT_FALSE(events->ReadAvailable());
    EXPECT_FALSE(cdi.ReturnToEts(1)); // nobody waits any more
}

TEST(EventConnection, TheStopHandlerMayEndTheInterfaceObject) {
    // The stop handler closes the program: the interface object and its connection go while
    // the connection is reading.
    TTempProject project;
    int fds[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    THostEnd host(fds[0]);
    TEditorEnvironment env(project.File(), std::to_string(fds[1]));
    auto cdi = std::make_unique<TEts2Cdi_Extended1>(nullptr, "083AZ160", false);
    int stops = 0;
    cdi->OnWmUserSvStop = [&](bool *, int *, TCdiSender, WPARAM, LPARAM) {
        ++stops;
        cdi.reset();
    };
    TEtsEventConnection *events = cdi->Events();
    host.Send("ImportDevice 1\nStop\nImportDevice 2\n");
    EXPECT_FALSE(events->ReadAvailable());
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(host.Line(), "Answer 1 0");
    EXPECT_EQ(host.Line(), "<end>"); // the editor's end is closed

    // The same when the host ends the connection.
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    THostEnd other(fds[0]);
    TEditorEnvironment again(project.File(), std::to_string(fds[1]));
    cdi = std::make_unique<TEts2Cdi_Extended1>(nullptr, "083AZ160", false);
    cdi->OnWmUserSvStop = [&](bool *, int *, TCdiSender, WPARAM, LPARAM) {
        ++stops;
        cdi.reset();
    };
    events = cdi->Events();
    other.Close();
    EXPECT_FALSE(events->ReadAvailable());
    EXPECT_EQ(stops, 2);
}

TEST(EventConnection, AnUnusableConnectionIsRefusedWithAClearError) {
    TTempProject project;
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const std::string cases[] = {"", "five", "-3", "12x", "987654", std::to_string(pipeFds[0])};
    for (const auto &value : cases) {
        TEditorEnvironment env(project.File(), value);
        try {
            TEts2Cdi_Extended1 cdi(nullptr, "083AZ160", false);
            ADD_FAILURE() << "accepted \"" << value << "\"";
        } catch (const EEtsConnection &e) {
            EXPECT_FALSE(e.Message.empty());
        }
    }
    // The descriptor that was refused stays open: it was not the connection's.
    EXPECT_EQ(fcntl(pipeFds[0], F_GETFD) >= 0, true);
    close(pipeFds[0]);
    close(pipeFds[1]);

    // Without the variable the editor has no event connection and cannot hand control back.
    setenv(TEts2Cdi::kProjectVariable, project.File().c_str(), 1);
    TEts2Cdi_Extended1 cdi(nullptr, "083AZ160", false);
    unsetenv(TEts2Cdi::kProjectVariable);
    EXPECT_EQ(cdi.Events(), nullptr);
    EXPECT_FALSE(cdi.ReturnToEts(1));
}

TEST(EventProtocol, EveryEventTravelsAsOneLine) {
    struct TCase {
        TEtsEvent event;
        std::string line;
    } cases[] = {
        {{TEtsEventKind::EditParameters, {12}, ""}, "EditParameters 12"},
        {{TEtsEventKind::CreateDevice,
          {
              0,
              3,
          },
          "Neue Zentrale"},
         "CreateDevice 0 3 Neue Zentrale"},
        {{TEtsEventKind::CreateDevice, {-2, 3}, ""}, "CreateDevice -2 3"},
        {{TEtsEventKind::DeleteDevice, {3}, ""}, "DeleteDevice 3"},
        {{TEtsEventKind::Stop, {}, ""}, "Stop"},
        {{TEtsEventKind::DoDownload2, {1, 2, -3, 4, 5, 6, 7, 65535}, ""},
         "DoDownload2 1 2 -3 4 5 6 7 65535"},
        {{TEtsEventKind::LinkObjToSubGroup, {1, 225, 40}, ""}, "LinkObjToSubGroup 1 225 40"},
        {{TEtsEventKind::UnlinkObjFromSubGroup, {1, 225, 40}, ""},
         "UnlinkObjFromSubGroup 1 225 40"},
        {{TEtsEventKind::EditObject, {77}, ""}, "EditObject 77"},
        {{TEtsEventKind::ExportDevice, {1}, ""}, "ExportDevice 1"},
        {{TEtsEventKind::ImportDevice, {1}, ""}, "ImportDevice 1"},
        {{TEtsEventKind::CopyDevice, {2, 1, 0}, ""}, "CopyDevice 2 1 0"},
        {{TEtsEventKind::DoReconstruct,
          {
              1,
              0,
              2,
          },
          "/tmp/x 1.x19"},
         "DoReconstruct 1 0 2 /tmp/x 1.x19"},
    };
    std::set<TEtsEventKind> covered;
    for (const auto &c : cases) {
        covered.insert(c.event.kind);
        EXPECT_EQ(EncodeEvent(c.event), c.line);
        const TEtsEvent back = DecodeEvent(c.line);
        EXPECT_EQ(back.kind, c.event.kind) << c.line;
        EXPECT_EQ(back.values, c.event.values) << c.line;
        EXPECT_EQ(back.text, c.event.text) << c.line;
    }
    EXPECT_EQ(covered.size(), EtsEventLayouts().size());
    // What the line cannot carry is refused when encoding.
    EXPECT_THROW(EncodeEvent({TEtsEventKind::EditParameters, {}, ""}), EEtsProtocol);
    EXPECT_THROW(EncodeEvent({TEtsEventKind::EditParameters, {1, 2}, ""}), EEtsProtocol);
    EXPECT_THROW(EncodeEvent({TEtsEventKind::CopyDevice, {1, 2, 256}, ""}), EEtsProtocol);
    EXPECT_THROW(EncodeEvent({TEtsEventKind::CreateDevice, {0, 1}, "a\nb"}), EEtsProtocol);
}

TEST(EventProtocol, RepliesTravelAsOneLine) {
    EXPECT_EQ(EncodeReply({TEtsReply::Answer, false, 1, 0, ""}), "Answer 0 1");
    EXPECT_EQ(EncodeReply({TEtsReply::Answer, true, -7, 0, "/a b.azp"}), "Answer 1 -7 /a b.azp");
    EXPECT_EQ(EncodeReply({TEtsReply::ReturnToEts, true, 0, 0, ""}), "ReturnToEts 0");
    EXPECT_EQ(EncodeReply({TEtsReply::Error, true, 0, 0, "a\nb"}), "Error a b");

    const TEtsReply answer = DecodeReply("Answer 1 -7 /a b.azp");
    EXPECT_EQ(answer.kind, TEtsReply::Answer);
    EXPECT_TRUE(answer.done);
    EXPECT_EQ(answer.result, -7);
    EXPECT_EQ(answer.text, "/a b.azp");
    const TEtsReply back = DecodeReply("ReturnToEts 1");
    EXPECT_EQ(back.kind, TEtsReply::ReturnToEts);
    EXPECT_EQ(back.keep, 1);
    EXPECT_EQ(DecodeReply("Error what went wrong").text, "what went wrong");
    for (const char *bad : {"", "Answer", "Answer 2 1", "Answer 1", "Answer 1 x", "ReturnToEts",
                            "ReturnToEts yes", "Done 1 1"})
        EXPECT_THROW(DecodeReply(bad), EEtsProtocol) << bad;
}

TEST(EventProtocol, AFileNameWithALineBreakIsRefusedBothWays) {
    for (const char *name : {"/a\rb.azp", "/a.azp\r", "/a\nb.azp"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(EncodeReply({TEtsReply::Answer, true, 0, 0, name}), EEtsProtocol);
        EXPECT_THROW(DecodeReply(std::string("Answer 1 0 ") + name), EEtsProtocol);
    }
}

} // namespace
