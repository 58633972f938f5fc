// The host program as a user and the tests of the editor run it: init and show, add and memory,
// a scripted run against a fake editor (FakeEditor.cpp) that logs what it finds at each event,
// and every way a command fails, which changes nothing in the project.
#include "platform/bustool/TPanelMemory.h"
#include "platform/bustool/TProjectDatabase.h"

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct TResult {
    int code = -1;
    std::string out, err;
};

std::string ReadText(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool Contains(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

// Every row of every table of a project file: what "changes nothing" compares.
std::string Content(const fs::path &file) {
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return "<no database>";
    }
    std::vector<std::string> tables;
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", -1,
                       &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        tables.emplace_back(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    std::ostringstream out;
    for (const auto &table : tables) {
        out << "[" << table << "]\n";
        sqlite3_prepare_v2(db, ("SELECT * FROM " + table + " ORDER BY rowid").c_str(), -1, &st,
                           nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                const auto *bytes = static_cast<const unsigned char *>(sqlite3_column_blob(st, c));
                const int n = sqlite3_column_bytes(st, c);
                uint64_t hash = 1469598103934665603ull;
                for (int i = 0; i < n; ++i)
                    hash = (hash ^ bytes[i]) * 1099511628211ull;
                out << n << ":" << hash << " ";
            }
            out << "\n";
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return out.str();
}

class BusTool : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "bustool-host-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        project = dir / "demo.db";
        log = dir / "editor.log";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    // Runs bustool with the words; the fake editor's settings in FAKE_EDITOR.
    TResult Run(const std::vector<std::string> &words, const std::string &fake = "") {
        const fs::path out = dir / "stdout.txt", err = dir / "stderr.txt";
        const pid_t pid = fork();
        if (pid == 0) {
            const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(o, 1);
            dup2(e, 2);
            if (ignoreChildSignals)
                signal(SIGCHLD, SIG_IGN); // kept across exec, as from a parent that ignores it
            setenv("FAKE_EDITOR", fake.c_str(), 1);
            setenv("FAKE_EDITOR_LOG", log.c_str(), 1);
            std::vector<std::string> args = {BUSTOOL_PATH};
            args.insert(args.end(), words.begin(), words.end());
            std::vector<char *> argv;
            for (auto &a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(BUSTOOL_PATH, argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        TResult r;
        r.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        r.out = ReadText(out);
        r.err = ReadText(err);
        return r;
    }
    // bustool run on the project against the fake editor, with a script of these lines.
    TResult RunScript(const std::vector<std::string> &lines, const std::string &fake = "",
                      const std::string &timeout = "60") {
        std::ofstream(dir / "events.txt") << [&] {
            std::string text;
            for (const auto &l : lines)
                text += l + "\n";
            return text;
        }();
        std::vector<std::string> words = {"run",       project.string(),
                                          "--editor",  FAKE_EDITOR_PATH,
                                          "--script",  (dir / "events.txt").string(),
                                          "--timeout", timeout};
        return Run(words, fake);
    }
    // What the fake editor logged since the last call.
    std::vector<std::string> EditorLog() {
        const auto lines = Lines(ReadText(log));
        std::error_code ec;
        fs::remove(log, ec);
        return lines;
    }
    void InitDemo() {
        const TResult r = Run({"init", "--demo", project.string()});
        ASSERT_EQ(r.code, 0) << r.err;
    }
    int32_t Id(const char *address) {
        int a = 0, l = 0, d = 0;
        std::sscanf(address, "%d.%d.%d", &a, &l, &d);
        return TProjectDatabase(project).DeviceByAddress(PhysicalAddressWord(a, l, d)).value_or(-1);
    }

    fs::path dir, project, log;
    bool ignoreChildSignals = false; // bustool starts with SIGCHLD ignored
};

TEST_F(BusTool, InitMakesTheDemoProjectAndShowPrintsIt) {
    InitDemo();
    EXPECT_TRUE(fs::exists(dir / "Ets20.ini"));
    const TResult show = Run({"show", project.string()});
    ASSERT_EQ(show.code, 0) << show.err;
    for (const char *part :
         {"project \"Demoprojekt\"", "3 group-address levels",
          "01.01.001  Alarmzentrale  [Alarmzentrale, 083AZ160, id 1], on the "
          "bus, directly connected",
          "01.01.010  Schalteinrichtung Eingang  [Schalteinrichtung", "01.01.011", "01.01.012",
          "object 0 Scharf-/Unscharf-Wunsch (Senden) -> 1/0/1, sending",
          "1/0      Sicherungsbereich 1",
          "2/0/1    Au\xC3\x9F"
          "en-Sirene",
          "3/0/2    Sabotage Schalteinrichtungen  (type 0)", "injected failures: none"})
        EXPECT_TRUE(Contains(show.out, part)) << part << "\n" << show.out;

    // The demo panel answers on the bus with its identity and its own address.
    const TResult dump =
        Run({"memory", project.string(), "dump", "1.1.1", "--from", "0x4000", "--to", "0x4002"});
    EXPECT_EQ(dump.out, "4000: 01 11 01\n") << dump.err;

    const fs::path plain = dir / "plain.db";
    ASSERT_EQ(Run({"init", plain.string()}).code, 0);
    EXPECT_TRUE(Contains(Run({"show", plain.string()}).out, "devices: none"));
}

TEST_F(BusTool, AddAndMemoryPutDevicesIntoTheProjectAndOnTheBus) {
    InitDemo();
    TResult r = Run({"add", project.string(), "switch", "2.3.4", "Keller"});
    ASSERT_EQ(r.code, 0) << r.err;
    r = Run({"add", project.string(), "panel", "2.3.5", "--connected"});
    ASSERT_EQ(r.code, 0) << r.err;
    const TResult show = Run({"show", project.string()});
    EXPECT_TRUE(Contains(show.out, "02.03.004  Keller  [Schalteinrichtung")) << show.out;
    EXPECT_TRUE(Contains(show.out, "02.03.005  Alarmzentrale  [Alarmzentrale, 083AZ160, id 6], "
                                   "on the bus, directly connected"))
        << show.out;
    EXPECT_FALSE(Contains(show.out, "id 1], on the bus, directly connected")) << show.out;

    // A switching device gets on the bus with a loaded image; a dump gives the bytes back.
    std::ofstream(dir / "image.bin", std::ios::binary) << std::string("\x01\x02\xFF", 3);
    r = Run({"memory", project.string(), "load", "2.3.4", (dir / "image.bin").string(), "--at",
             "0xFFFD"});
    ASSERT_EQ(r.code, 0) << r.err;
    r = Run({"memory", project.string(), "dump", "2.3.4", "--from", "0xFFFC", "--out",
             (dir / "back.bin").string()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadText(dir / "back.bin"), std::string("\x00\x01\x02\xFF", 4));
    EXPECT_TRUE(Contains(Run({"show", project.string()}).out, "id 5], on the bus\n"));
}

TEST_F(BusTool, BadInputGivesAMessageAnExitCodeAndChangesNothing) {
    InitDemo();
    std::ofstream(dir / "big.bin", std::ios::binary) << std::string(100, 'x');
    std::ofstream(dir / "notes.txt") << "not a project\n";
    const std::string p = project.string();
    struct TCase {
        std::vector<std::string> words;
        int code;
        std::string message;
    } cases[] = {
        {{"frobnicate", p}, 2, "unknown command \"frobnicate\""},
        {{"show"}, 2, "too few arguments"},
        {{"show", p, "more"}, 2, "unexpected argument \"more\""},
        {{"show", p, "--verbose"}, 2, "unknown option --verbose"},
        {{"show", (dir / "notes.txt").string()}, 1, "not a project of the bus tool"},
        {{"show", (dir / "missing.db").string()}, 1, "no such project file"},
        {{"init", p}, 1, "exists already"},
        {{"init", (dir / "no" / "such" / "p.db").string()}, 1, "does not exist"},
        {{"add", p, "panel", "1.1"}, 2, "not a physical address"},
        {{"add", p, "panel", "16.1.1"}, 2, "the area of 16.1.1"},
        {{"add", p, "panel", "1.1.256"}, 2, "the device of 1.1.256"},
        {{"add", p, "dimmer", "1.1.40"}, 2, "\"panel\" or \"switch\""},
        {{"add", p, "switch", "1.1.10"}, 2, "01.01.010 is taken"},
        {{"memory", p, "load", "1.1.1", (dir / "big.bin").string(), "--at", "0xFFF0"},
         2,
         "do not fit"},
        {{"memory", p, "load", "1.1.1", (dir / "missing.bin").string()}, 2, "no such file"},
        {{"memory", p, "load", "1.1.99", (dir / "big.bin").string()}, 2, "no device at 01.01.099"},
        {{"memory", p, "dump", "1.1.10"}, 1, "not on the bus"},
        {{"memory", p, "dump", "1.1.1", "--from", "0x10", "--to", "0x0F"}, 2, "before --from"},
        {{"memory", p, "dump", "1.1.1", "--to", "0x10000"}, 2, "not a memory address"},
        {{"memory", p, "peek", "1.1.1"}, 2, "\"load\" or \"dump\""},
        {{"run", p}, 2, "no event to raise"},
        {{"run", p, "jump 1.1.1"}, 2, "unknown event \"jump\""},
        {{"run", p, "edit"}, 2, "edit takes 1 values"},
        {{"run", p, "link 1.1.1 0 1/8/1"}, 2, "the middle group of 1/8/1"},
        {{"run", p, "create 1.1.9 \"open"}, 2, "a quote is not closed"},
        {{"run", p, "stop", "edit 1.1.1"}, 2, "no event can follow stop"},
        {{"run", p, "--script", (dir / "missing.txt").string()}, 2, "no such script"},
        {{"run", p, "--timeout", "0", "edit 1.1.1"}, 2, "--timeout \"0\""},
        {{"run", p, "--editor", (dir / "no-editor").string(), "edit 1.1.1"},
         1,
         "cannot start the editor"},
    };
    const std::string before = Content(project);
    for (const auto &c : cases) {
        std::string words;
        for (const auto &w : c.words)
            words += w + " ";
        const TResult r = Run(c.words);
        EXPECT_EQ(r.code, c.code) << words << "\n" << r.err;
        EXPECT_TRUE(Contains(r.err, c.message)) << words << "\n" << r.err;
        EXPECT_EQ(r.err.rfind("bustool: ", 0), 0u) << r.err;
        EXPECT_EQ(Content(project), before) << words;
    }
    EXPECT_FALSE(fs::exists(dir / "no"));
    EXPECT_FALSE(fs::exists(log)); // no editor was started
}

TEST_F(BusTool, AFileThatCannotBeOpenedFailsTheCommand) {
    InitDemo();
    // A file that nobody may read, not even root.
    const fs::path unreadable = "/proc/sys/vm/drop_caches";
    if (!fs::is_regular_file(unreadable) || std::ifstream(unreadable))
        GTEST_SKIP() << "no file here that cannot be opened for reading";
    const std::string before = Content(project);
    TResult r = Run({"memory", project.string(), "load", "1.1.1", unreadable.string()});
    EXPECT_EQ(r.code, 1) << r.out;
    EXPECT_TRUE(Contains(r.err, "cannot be read")) << r.err;
    r = Run({"run", project.string(), "--script", unreadable.string()});
    EXPECT_EQ(r.code, 1) << r.out;
    EXPECT_TRUE(Contains(r.err, "cannot be read")) << r.err;
    EXPECT_EQ(Content(project), before);
}

TEST_F(BusTool, ARunDoesWhatTheBusToolDoesAroundEachEvent) {
    InitDemo();
    const fs::path importFile = dir / "exported-elsewhere.azp";
    std::ofstream(importFile) << "imported block\n";
    const TResult r = RunScript({
        "# every event once; the fake editor answers 1",
        "create 1.1.2 \"Neue Zentrale\"",
        "edit 1.1.2",
        "edit-object 1.1.10 1",
        "link 1.1.12 0 1/0/1",
        "unlink 1.1.10 1 1/0/2",
        "download 1.1.1 1",
        "export 1.1.1",
        "import 1.1.3 " + importFile.string() + " 77",
        "copy 1.1.4 1.1.2 3",
        "reconstruct 1.1.1 2 \"/tmp/an image.x19\" 5",
        "",
        "delete 1.1.2",
        "stop",
    });
    ASSERT_EQ(r.code, 0) << r.out << r.err;
    const int32_t created = 5, imported = 6, copied = 7;
    const int32_t object = TProjectDatabase(project).DeviceObjectId(2, 1).value();
    const std::vector<std::string> expected = {
        "started 083AZ160",
        // The new device is there, with its parameters and "DeviceId".
        "CreateDevice 0 5 [Neue Zentrale] exists=1 DeviceId=0 current=5",
        "EditParameters 5 current=5",
        "ReturnToEts 1 -> sent",
        "EditObject " + std::to_string(object) + " current=2",
        "ReturnToEts 1 -> sent",
        // Linked before the event; unlinked before the event.
        "LinkObjToSubGroup 4 0 " + std::to_string(*TProjectDatabase(project).SubGroupId(1, 0, 1)) +
            " linked=1",
        "UnlinkObjFromSubGroup 2 1 " +
            std::to_string(*TProjectDatabase(project).SubGroupId(1, 0, 2)) + " linked=0",
        "DoDownload2 1 flags=1",
        "ExportDevice 1",
        // "DeviceId" holds the old id; the file waits in the bus tool's folder.
        "ImportDevice 6 DeviceId=77 file=1",
        "CopyDevice 7 5 3 exists=1 source-block=6 current=7",
        "DoReconstruct 1 5 2 [/tmp/an image.x19]",
        // Removed only after its event.
        "DeleteDevice 5 exists=1",
        "Stop",
    };
    EXPECT_EQ(EditorLog(), expected) << r.out;
    EXPECT_TRUE(Contains(r.out, "exported file: " + (dir / "export-1.azp").string())) << r.out;
    EXPECT_TRUE(Contains(r.out, "ReturnToEts(1): the changes are kept")) << r.out;
    EXPECT_TRUE(Contains(r.out, "the editor has ended")) << r.out;

    TProjectDatabase db(project);
    EXPECT_FALSE(db.Device(created));               // deleted
    EXPECT_EQ(db.ParameterValue(copied, 10050), 1); // the edit was kept and then copied
    EXPECT_EQ(db.ReadDataBlock(copied)->size(), 6u);
    EXPECT_EQ(db.ReadDataBlock(imported)->size(), 15u); // the imported file's bytes
    EXPECT_FALSE(fs::exists(dir / "77.azp"));           // the editor took it
    EXPECT_TRUE(fs::exists(importFile));                // the user's file stays
    const auto links = db.Links(4);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(GroupAddressText(links[0].groupAddress, true), "1/0/1");
    EXPECT_TRUE(links[0].sending); // the object's first link
    for (const auto &l : db.Links(2))
        EXPECT_NE(l.objectNumber, 1);
}

TEST_F(BusTool, ARunStartedWithChildSignalsIgnoredStillWaitsForTheEditor) {
    // An ignored SIGCHLD would let the kernel reap the editor before the host can wait for it.
    InitDemo();
    ignoreChildSignals = true;
    const TResult r = RunScript({"download 1.1.1", "stop"});
    EXPECT_EQ(r.code, 0) << r.out << r.err;
    EXPECT_TRUE(Contains(r.out, "the editor has ended")) << r.out;
    EXPECT_EQ(EditorLog(),
              std::vector<std::string>({"started 083AZ160", "DoDownload2 1 flags=0", "Stop"}));
}

TEST_F(BusTool, AnswersOfZeroUndoTheLinkAndReturnToEtsZeroTheEdit) {
    InitDemo();
    TProjectDatabase(project).InjectFailure("EibStopComm", 2);
    // The editor's work during an edit is discarded; a kept link from before stays.
    const TResult r = RunScript({"link 1.1.12 0 1/0/1", "edit 1.1.1", "edit-object 1.1.10 0"},
                                "LinkObjToSubGroup=0,return=0");
    ASSERT_EQ(r.code, 0) << r.out << r.err;
    EXPECT_TRUE(Contains(r.out, "result 0: the link is undone")) << r.out;
    EXPECT_TRUE(Contains(r.out, "ReturnToEts(0): the project is put back")) << r.out;
    const auto seen = EditorLog();
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_EQ(seen.back(), "Stop"); // the end of the connection
    TProjectDatabase db(project);
    EXPECT_EQ(db.Links(4).size(), 1u); // only the sabotage link of the demo
    EXPECT_EQ(db.ParameterValue(1, 10050), 0);
    EXPECT_TRUE(db.ReadDataBlock(1)->empty());
    EXPECT_TRUE(db.ReadDataBlock(2)->empty());
    // What went over the bus during the edit stays: the clock the editor set, and the injected
    // failure its bus access took.
    const auto clock = db.ReadMemory(1, TPanelMemory::kClock, 3);
    EXPECT_EQ(clock, std::vector<unsigned char>({23, 59, 59}));
    const auto failures = db.Failures();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].call, "EibStopComm");
    EXPECT_EQ(failures[0].remaining, 1);
}

TEST_F(BusTool, AnEditorThatFailsFailsTheRunAndThePreviousEventsAreUndone) {
    InitDemo();
    const std::string before = Content(project);
    struct TCase {
        std::vector<std::string> script;
        std::string fake, message, timeout;
    } cases[] = {
        {{"create 1.1.5", "edit 1.1.1"},
         "die=EditParameters",
         "the editor ended without answering EditParameters 1 (exit code 3)",
         "60"},
        // A time-out tested on the first event: no answer has to come within it.
        {{"delete 1.1.10"}, "hang=DeleteDevice", "no answer to DeleteDevice 2 within 1 s", "1"},
        {{"stop"}, "hang=Stop", "the editor has not ended within 1 s after stop", "1"},
        {{"create 1.1.5", "download 1.1.1"}, "exit=6", "the editor ended with exit code 6", "60"},
        {{"create 1.1.5", "stop"}, "exit=6", "the editor ended with exit code 6", "60"},
        // What the project does not hold is found out only while running.
        {{"create 1.1.5", "link 1.1.1 300 1/0/1"}, "", "device 01.01.001 has no object 300", "60"},
        {{"create 1.1.5", "link 1.1.1 225 1/0/1"}, "", "object 225 of 1.1.1 is switched off", "60"},
        {{"create 1.1.5", "link 1.1.10 0 2/0/9"}, "", "no group address 2/0/9", "60"},
        {{"create 1.1.5", "edit 9.9.9"}, "", "no device at 09.09.009", "60"},
        {{"create 1.1.5", "create 1.1.5"}, "", "01.01.005 is taken", "60"},
        {{"create 1.1.5", "import 1.1.6 " + (dir / "missing.azp").string()},
         "",
         "no such file",
         "60"},
        {{"create 1.1.5", "import 1.1.6 " + project.string()}, "", "give the old device id", "60"},
    };
    for (const auto &c : cases) {
        const TResult r = RunScript(c.script, c.fake, c.timeout);
        EXPECT_NE(r.code, 0) << c.script.back();
        EXPECT_TRUE(Contains(r.err, c.message)) << c.script.back() << "\n" << r.err;
        EXPECT_TRUE(Contains(r.out, "the project is as it was before the run")) << r.out;
        EXPECT_EQ(Content(project), before) << c.script.back();
        // The first event had run (a hanging editor may be ended before it has logged).
        const auto seen = EditorLog();
        if (c.script.front().rfind("create", 0) == 0) {
            ASSERT_GE(seen.size(), 2u);
            EXPECT_EQ(seen[1].rfind("CreateDevice", 0), 0u);
        }
    }
}

} // namespace
