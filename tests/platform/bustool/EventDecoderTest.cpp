// The editor's side of the event connection: every event line raised on its slot with its
// values and the current device, the answers, unreadable lines, events that arrive while a
// handler runs, ReturnToEts, stop and the end of the connection.
#include "TempProject.h"

#include "platform/bustool/TEtsEventDecoder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

class EventDecoder : public ::testing::Test {
protected:
    void SetUp() override {
        auto log = [this](std::string call, TCdiSender sender) {
            EXPECT_EQ(sender, &cdi);
            calls.push_back(call + " @" + std::to_string(cdi.GetCurrentDevice()));
        };
        cdi.OnCdiEditParameters = [=, this](bool *done, int *result, TCdiSender s, long id) {
            log("EditParameters " + std::to_string(id), s);
            *done = false;
            *result = 1;
            if (onEdit)
                onEdit();
        };
        cdi.OnCdiCreateDevice = [=](bool *, int *result, TCdiSender s, int mode, long id,
                                    const AnsiString &text) {
            log("CreateDevice " + std::to_string(mode) + " " + std::to_string(id) + " [" + text +
                    "]",
                s);
            *result = 1;
        };
        cdi.OnCdiDeleteDevice = [=](bool *, int *, TCdiSender s, long id) {
            log("DeleteDevice " + std::to_string(id), s);
        };
        cdi.OnWmUserSvStop = [=](bool *, int *, TCdiSender s, WPARAM w, LPARAM l) {
            log("Stop " + std::to_string(w) + " " + std::to_string(l), s);
        };
        cdi.OnCdiDoDownload2 = [=](bool *, int *result, TCdiSender s, int32_t a, long id, int16_t b,
                                   int16_t c, int32_t d, int32_t e, int32_t f, uint16_t flags) {
            std::ostringstream os;
            os << "DoDownload2 " << a << " " << id << " " << b << " " << c << " " << d << " " << e
               << " " << f << " " << flags;
            log(os.str(), s);
            *result = (flags & 1) ? 0 : 1;
        };
        auto link = [=](const char *name) {
            return [=](bool *, int *result, TCdiSender s, long project, long id, int16_t number,
                       long sub) {
                log(std::string(name) + " " + std::to_string(project) + " " + std::to_string(id) +
                        " " + std::to_string(number) + " " + std::to_string(sub),
                    s);
                *result = 1;
            };
        };
        cdi.OnCdiLinkObjToSubGroup = link("LinkObjToSubGroup");
        cdi.OnCdiUnlinkObjFromSubGroup = link("UnlinkObjFromSubGroup");
        cdi.OnCdiEditObject = [=](bool *done, int *result, TCdiSender s, long project, long id) {
            log("EditObject " + std::to_string(project) + " " + std::to_string(id), s);
            *done = false;
            *result = 1;
        };
        cdi.OnCdiExportDevice = [=](bool *, int *result, TCdiSender s, long project, long id,
                                    TEtsExportTarget *target) {
            log("ExportDevice " + std::to_string(project) + " " + std::to_string(id), s);
            target->SetExportFileName("/tmp/Alarm Zentrale/" + std::to_string(id) + ".azp");
            *result = 1;
        };
        cdi.OnCdiImportDevice = [=](bool *, int *result, TCdiSender s, long project, long id) {
            log("ImportDevice " + std::to_string(project) + " " + std::to_string(id), s);
            *result = 1;
        };
        cdi.OnCdiCopyDevice = [=](bool *, int *result, TCdiSender s, long project, long target,
                                  long source, uint8_t flag) {
            log("CopyDevice " + std::to_string(project) + " " + std::to_string(target) + " " +
                    std::to_string(source) + " " + std::to_string(flag),
                s);
            *result = 1;
        };
        cdi.OnCdiDoReconstruct = [=](bool *, int *result, TCdiSender s, long project, long id,
                                     long x, int mode, const AnsiString &file) {
            log("DoReconstruct " + std::to_string(project) + " " + std::to_string(id) + " " +
                    std::to_string(x) + " " + std::to_string(mode) + " [" + file + "]",
                s);
            *result = 1;
        };
    }

    TTempProject project;
    TEts2Cdi_Extended1 &cdi = project.Cdi();
    std::vector<std::string> calls;   // what the handlers saw, with the current device
    std::vector<std::string> replies; // what the decoder sent
    std::function<void()> onEdit;     // runs inside the edit handler
    TEtsEventDecoder decoder{cdi, [this](const std::string &line) {
                                 replies.push_back(line);
                                 return true;
                             }};
};

TEST_F(EventDecoder, EveryEventReachesItsSlotWithItsValues) {
    const int32_t panel = project.PanelId();
    ASSERT_EQ(panel, 1);
    const int32_t object = project.DeviceObject(200);
    struct TCase {
        std::string line, call, answer;
    } cases[] = {
        {"EditParameters 1", "EditParameters 1 @1", "Answer 0 1"},
        // UTF-8 on the line, Windows-1252 for the editor.
        {"CreateDevice 0 7 K\xC3\xBC"
         "che 2",
         "CreateDevice 0 7 [K\xFC"
         "che 2] @7",
         "Answer 1 1"},
        {"CreateDevice -2 7", "CreateDevice -2 7 [] @7", "Answer 1 1"},
        {"DeleteDevice 9", "DeleteDevice 9 @9", "Answer 1 0"},
        {"DoDownload2 -5 1 -300 300 70000 -70000 2147483647 65535",
         "DoDownload2 -5 1 -300 300 70000 -70000 2147483647 65535 @1", "Answer 1 0"},
        {"DoDownload2 0 1 0 0 0 0 0 2", "DoDownload2 0 1 0 0 0 0 0 2 @1", "Answer 1 1"},
        {"LinkObjToSubGroup 1 225 44", "LinkObjToSubGroup 1 1 225 44 @1", "Answer 1 1"},
        {"UnlinkObjFromSubGroup 3 -1 45", "UnlinkObjFromSubGroup 1 3 -1 45 @3", "Answer 1 1"},
        {"EditObject " + std::to_string(object), "EditObject 1 " + std::to_string(object) + " @1",
         "Answer 0 1"},
        {"EditObject 99999", "EditObject 1 99999 @-1", "Answer 0 1"},
        {"ExportDevice 1", "ExportDevice 1 1 @1", "Answer 1 1 /tmp/Alarm Zentrale/1.azp"},
        {"ImportDevice 4", "ImportDevice 1 4 @4", "Answer 1 1"},
        {"CopyDevice 5 1 255", "CopyDevice 1 5 1 255 @5", "Answer 1 1"},
        // A file name passes as bytes, blanks and all.
        {"DoReconstruct 1 8 2 /tmp/a b/\xFC.x19", "DoReconstruct 1 1 8 2 [/tmp/a b/\xFC.x19] @1",
         "Answer 1 1"},
    };
    for (const auto &c : cases) {
        calls.clear();
        replies.clear();
        decoder.Feed(c.line + "\n");
        EXPECT_EQ(calls, std::vector<std::string>({c.call})) << c.line;
        EXPECT_EQ(replies, std::vector<std::string>({c.answer})) << c.line;
    }
}

TEST_F(EventDecoder, ALineThatIsNoEventIsAnsweredAsSuchAndTheNextOneRuns) {
    const std::string bad[] = {
        "",
        "Hello 1",
        "editparameters 1",
        "EditParameters",
        "EditParameters x",
        "EditParameters 1 2",
        "EditParameters  1",
        "EditParameters 1 ",
        "EditParameters +1",
        "EditParameters 2147483648",
        "LinkObjToSubGroup 1 32768 3",
        "CopyDevice 1 2 256",
        "DoDownload2 0 1 0 0 0 0 0 -1",
        "Stop now",
        "EditParameters 1\r",
    };
    std::string input;
    for (const auto &line : bad)
        input += line + "\n";
    input += "DeleteDevice 3\n";
    decoder.Feed(input);
    ASSERT_EQ(replies.size(), std::size(bad) + 1);
    for (size_t i = 0; i < std::size(bad); ++i)
        EXPECT_EQ(replies[i].rfind("Error ", 0), 0u) << "\"" << bad[i] << "\" -> " << replies[i];
    EXPECT_EQ(replies.back(), "Answer 1 0");
    EXPECT_EQ(calls, std::vector<std::string>({"DeleteDevice 3 @3"}));
    EXPECT_NE(replies[1].find("unknown event \"Hello\""), std::string::npos) << replies[1];

    // An endless line is one unreadable line; what follows its end is read again.
    replies.clear();
    decoder.Feed(std::string(TEtsEventDecoder::kMaxLineLength + 1, 'x'));
    decoder.Feed("yyy\nImportDevice 2\n");
    EXPECT_EQ(replies,
              std::vector<std::string>({"Error line longer than 4096 bytes", "Answer 1 1"}));
}

TEST_F(EventDecoder, LinesMayArriveInPieces) {
    const std::string input = "ExportDevice 1\nDeleteDevice 2\n";
    for (char c : input)
        decoder.Feed(std::string(1, c));
    EXPECT_EQ(calls, std::vector<std::string>({"ExportDevice 1 1 @1", "DeleteDevice 2 @2"}));
    EXPECT_EQ(replies.size(), 2u);
}

TEST_F(EventDecoder, EventsArrivingWhileAHandlerRunsWaitForIt) {
    // The edit handler spins a loop that reads more of the connection, as a modal dialog does.
    onEdit = [this] {
        decoder.Feed("DeleteDevice 2\nnonsense\nCreateDevice 0 3 x\n");
        EXPECT_EQ(decoder.Queued(), 3u);
        EXPECT_EQ(calls.size(), 1u); // only the edit has run
        EXPECT_TRUE(replies.empty());
    };
    decoder.Feed("EditParameters 1\n");
    EXPECT_EQ(calls, std::vector<std::string>(
                         {"EditParameters 1 @1", "DeleteDevice 2 @2", "CreateDevice 0 3 [x] @3"}));
    EXPECT_EQ(replies.size(), 4u);
    EXPECT_EQ(replies[0], "Answer 0 1");
    EXPECT_EQ(replies[1], "Answer 1 0");
    EXPECT_EQ(replies[2].rfind("Error ", 0), 0u);
    EXPECT_EQ(replies[3], "Answer 1 1");
    EXPECT_EQ(decoder.Queued(), 0u);
}

TEST_F(EventDecoder, ReturnToEtsFollowsOnlyAnAnswerThatKeptControl) {
    EXPECT_FALSE(cdi.ReturnToEts(1)); // nothing waits for it
    decoder.Feed("DeleteDevice 2\n");
    EXPECT_FALSE(cdi.ReturnToEts(1));
    decoder.Feed("EditParameters 1\n");
    EXPECT_TRUE(cdi.ReturnToEts(0));
    EXPECT_FALSE(cdi.ReturnToEts(1)); // once per answer
    decoder.Feed("EditObject " + std::to_string(project.DeviceObject(0)) + "\n");
    EXPECT_TRUE(cdi.ReturnToEts(1));
    EXPECT_EQ(replies, std::vector<std::string>({"Answer 1 0", "Answer 0 1", "ReturnToEts 0",
                                                 "Answer 0 1", "ReturnToEts 1"}));
}

TEST_F(EventDecoder, StopGetsNoAnswerAndEndsTheConnection) {
    decoder.Feed("Stop\nDeleteDevice 2\n");
    EXPECT_TRUE(decoder.Stopped());
    EXPECT_EQ(calls, std::vector<std::string>({"Stop 0 0 @1"})); // the current device stays
    EXPECT_TRUE(replies.empty());
    decoder.Feed("EditParameters 1\n");
    decoder.End();
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_TRUE(replies.empty());
}

TEST_F(EventDecoder, TheEndOfTheConnectionIsAStopBehindWhatWaits) {
    onEdit = [this] {
        decoder.Feed("DeleteDevice 2\nImportDevi");
        decoder.End();
        EXPECT_FALSE(decoder.Stopped());
    };
    decoder.Feed("EditParameters 1\n");
    EXPECT_TRUE(decoder.Stopped());
    EXPECT_EQ(calls, std::vector<std::string>(
                         {"EditParameters 1 @1", "DeleteDevice 2 @2", "Stop 0 0 @2"}));
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_EQ(replies[2], "Error unfinished line at the end of the connection");
    decoder.End(); // once only
    EXPECT_EQ(calls.size(), 3u);
}

TEST_F(EventDecoder, AnEmptySlotAnswersFailure) {
    cdi.OnCdiImportDevice = nullptr;
    cdi.OnWmUserSvStop = nullptr;
    decoder.Feed("ImportDevice 1\nStop\n");
    EXPECT_EQ(replies, std::vector<std::string>({"Answer 1 0"}));
    EXPECT_TRUE(decoder.Stopped());
}

TEST_F(EventDecoder, AnExceptionOfAHandlerReachesTheCallerAndTheQueueWaits) {
    onEdit = [this] {
        decoder.Feed("DeleteDevice 2\n");
        throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(decoder.Feed("EditParameters 1\n"), std::runtime_error);
    EXPECT_TRUE(replies.empty());
    EXPECT_EQ(decoder.Queued(), 1u);
    onEdit = nullptr;
    decoder.Feed("ImportDevice 3\n");
    EXPECT_EQ(calls, std::vector<std::string>(
                         {"EditParameters 1 @1", "DeleteDevice 2 @2", "ImportDevice 1 3 @3"}));
    EXPECT_EQ(replies, std::vector<std::string>({"Answer 1 0", "Answer 1 1"}));
}

TEST_F(EventDecoder, AFileNameTheLineCannotCarryIsReportedNotCut) {
    cdi.OnCdiExportDevice = [](bool *, int *result, TCdiSender, long, long,
                               TEtsExportTarget *target) {
        target->SetExportFileName("two\nlines.azp");
        *result = 1;
    };
    decoder.Feed("ExportDevice 1\n");
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].rfind("Error ", 0), 0u) << replies[0];
    EXPECT_EQ(replies[0].find('\n'), std::string::npos);
}

} // namespace
