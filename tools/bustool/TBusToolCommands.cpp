#include "tools/bustool/TBusToolCommands.h"

#include "tools/bustool/TDemoProject.h"
#include "tools/bustool/TEventRunner.h"
#include "tools/bustool/THostArguments.h"
#include "tools/bustool/TProjectReport.h"

#include "platform/bustool/TSqlDatabase.h"
#include "platform/log/Log.h"
#include "platform/win/System.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> ReadFileBytes(const fs::path &file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        throw EUsage(file.string() + ": no such file");
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw EHostFailure(file.string() + ": cannot be read");
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    if (in.bad())
        throw EHostFailure(file.string() + ": cannot be read");
    return bytes;
}

std::vector<std::string> ReadLines(const fs::path &file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        throw EUsage(file.string() + ": no such script");
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw EHostFailure(file.string() + ": cannot be read");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    if (in.bad())
        throw EHostFailure(file.string() + ": cannot be read");
    return lines;
}

int32_t DeviceAt(TProjectDatabase &db, const std::string &text) {
    const uint16_t address = ParsePhysicalAddress(text);
    if (const auto id = db.DeviceByAddress(address))
        return *id;
    throw EUsage("no device at " + PhysicalAddressText(address));
}

void Init(const TCommandLine &cl, std::ostream &out) {
    LOG_FKT("Init");
    cl.ExpectPositional(1, 1);
    const fs::path file = cl.Positional()[0];
    const fs::path folder = fs::absolute(file).parent_path();
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw EHostFailure("the folder " + folder.string() + " does not exist");
    if (fs::exists(file, ec))
        throw EHostFailure(file.string() + " exists already");
    const fs::path settings = folder / TProjectDatabase::kSettingsFileName;
    const bool hadSettings = fs::exists(settings, ec);
    try {
        const bool demo = cl.Has("--demo");
        TProjectDatabase::Create(file, demo ? "Demoprojekt" : "Projekt");
        TProjectDatabase db(file);
        if (demo)
            BuildDemoProject(db, out);
    } catch (...) {
        for (const char *suffix : {"", "-wal", "-shm"})
            fs::remove(file.string() + suffix, ec);
        if (!hadSettings)
            fs::remove(settings, ec);
        throw;
    }
    out << "created project " << file.string() << "\n";
}

void Add(const TCommandLine &cl, std::ostream &out) {
    LOG_FKT("Add");
    cl.ExpectPositional(3, 4);
    const auto &p = cl.Positional();
    const std::string &kind = p[1];
    if (kind != "panel" && kind != "switch")
        throw EUsage("the kind of device is \"panel\" or \"switch\", not \"" + kind + "\"");
    const uint16_t address = ParsePhysicalAddress(p[2]);
    const std::string name = p.size() > 3      ? p[3]
                             : kind == "panel" ? "Alarmzentrale"
                                               : "Schalteinrichtung";
    TProjectDatabase db(p[0]);
    TSqlTransaction tx(db.Sql(), TSqlTransaction::Write);
    if (db.DeviceByAddress(address))
        throw EUsage(PhysicalAddressText(address) + " is taken by another device");
    const int32_t line = db.EnsureLine(address >> 12, (address >> 8) & 0xF);
    const int32_t id = kind == "panel" ? db.AddPanelDevice(line, address & 0xFF, name)
                                       : db.AddSwitchingDevice(line, address & 0xFF, name);
    if (cl.Has("--connected"))
        db.SetConnectedDevice(id);
    tx.Commit();
    out << "added " << kind << " " << PhysicalAddressText(address) << " \"" << name << "\" (id "
        << id << ")" << (cl.Has("--connected") ? ", directly connected" : "") << "\n";
}

void Show(const TCommandLine &cl, std::ostream &out) {
    LOG_FKT("Show");
    cl.ExpectPositional(1, 1);
    TProjectDatabase db(cl.Positional()[0]);
    ShowProject(db, out);
}

void Memory(const TCommandLine &cl, std::ostream &out) {
    LOG_FKT("Memory");
    cl.ExpectPositional(3, 4);
    const auto &p = cl.Positional();
    const std::string &action = p[1];
    if (action == "load") {
        cl.ExpectPositional(4, 4);
        if (cl.Has("--from") || cl.Has("--to") || cl.Has("--out"))
            throw EUsage("load takes --at only");
        const uint16_t at = cl.Value("--at") ? ParseMemoryAddress(*cl.Value("--at")) : 0;
        const auto bytes = ReadFileBytes(p[3]);
        if (at + bytes.size() > TProjectDatabase::kMemorySize)
            throw EUsage(p[3] + ": " + std::to_string(bytes.size()) +
                         " bytes do not fit into the memory from " + std::to_string(at));
        TProjectDatabase db(p[0]);
        TSqlTransaction tx(db.Sql(), TSqlTransaction::Write);
        const int32_t device = DeviceAt(db, p[2]);
        auto image = db.MemoryImage(device).value_or(
            std::vector<unsigned char>(TProjectDatabase::kMemorySize, 0));
        std::copy(bytes.begin(), bytes.end(), image.begin() + at);
        db.SetMemoryImage(device, image);
        tx.Commit();
        char where[16];
        std::snprintf(where, sizeof where, "0x%04X", at);
        out << "loaded " << bytes.size() << " bytes at " << where << " into "
            << PhysicalAddressText(ParsePhysicalAddress(p[2])) << " (on the bus)\n";
        return;
    }
    if (action != "dump")
        throw EUsage("memory takes \"load\" or \"dump\", not \"" + action + "\"");
    cl.ExpectPositional(3, 3);
    if (cl.Has("--at"))
        throw EUsage("dump takes --from, --to and --out");
    const uint16_t from = cl.Value("--from") ? ParseMemoryAddress(*cl.Value("--from")) : 0;
    const uint16_t to = cl.Value("--to") ? ParseMemoryAddress(*cl.Value("--to")) : 0xFFFF;
    if (to < from)
        throw EUsage("--to lies before --from");
    TProjectDatabase db(p[0]);
    const auto bytes = db.ReadMemory(DeviceAt(db, p[2]), from, to - from + 1u);
    if (!bytes)
        throw EHostFailure("the device at " + p[2] + " is not on the bus (it has no memory)");
    if (const auto file = cl.Value("--out")) {
        std::ofstream dump(*file, std::ios::binary | std::ios::trunc);
        dump.write(reinterpret_cast<const char *>(bytes->data()),
                   static_cast<std::streamsize>(bytes->size()));
        if (!dump.flush())
            throw EHostFailure(*file + ": cannot be written");
        out << "wrote " << bytes->size() << " bytes to " << *file << "\n";
        return;
    }
    for (size_t i = 0; i < bytes->size(); i += 16) {
        char line[80];
        int n = std::snprintf(line, sizeof line, "%04X:", static_cast<unsigned>(from + i));
        for (size_t j = i; j < i + 16 && j < bytes->size(); ++j)
            n +=
                std::snprintf(line + n, sizeof line - static_cast<size_t>(n), " %02X", (*bytes)[j]);
        out << line << "\n";
    }
}

TEditorProcess::TTimeout Timeout(const TCommandLine &cl, const std::string &option) {
    const auto value = cl.Value(option);
    if (!value)
        return std::nullopt;
    return std::chrono::seconds(ParseNumber(*value, 1, 86400, option));
}

void Run(const TCommandLine &cl, std::ostream &out) {
    LOG_FKT("Run");
    cl.ExpectPositional(1, SIZE_MAX);
    const auto &p = cl.Positional();
    std::vector<THostEvent> events;
    if (const auto script = cl.Value("--script"))
        events = ParseHostEvents(ReadLines(*script), *script);
    const std::vector<std::string> given(p.begin() + 1, p.end());
    const auto more = ParseHostEvents(given, "argument");
    if (!events.empty() && events.back().kind == THostEventKind::Stop && !more.empty())
        throw EUsage("no event can follow stop");
    events.insert(events.end(), more.begin(), more.end());
    if (events.empty())
        throw EUsage("no event to raise");

    TRunOptions options;
    const fs::path self = GetProgramFileName();
    options.editor =
        cl.Value("--editor") ? fs::path(*cl.Value("--editor")) : self.parent_path() / "pultor";
    options.moduleName = cl.Value("--module").value_or(PanelProductData().moduleName);
    if (const auto timeout = Timeout(cl, "--timeout"))
        options.answerTimeout = *timeout;
    options.editTimeout = Timeout(cl, "--edit-timeout");
    TProjectDatabase db(p[0]);
    TEventRunner(db, options, out).Run(events);
}

struct TCommand {
    const char *name;
    void (*run)(const TCommandLine &, std::ostream &);
    std::map<std::string, bool> options;
};

const TCommand kCommands[] = {
    {"init", Init, {{"--demo", false}}},
    {"add", Add, {{"--connected", false}}},
    {"show", Show, {}},
    {"memory", Memory, {{"--at", true}, {"--from", true}, {"--to", true}, {"--out", true}}},
    {"run",
     Run,
     {{"--editor", true},
      {"--module", true},
      {"--timeout", true},
      {"--edit-timeout", true},
      {"--script", true}}},
};

} // namespace

std::string Usage() {
    LOG_FKT("Usage");
    return std::string(
               "usage: bustool COMMAND PROJECT ...\n"
               "  init PROJECT [--demo]              make a project file (with the demo project)\n"
               "  add PROJECT panel|switch ADDRESS [NAME] [--connected]\n"
               "                                     add a device at a physical address\n"
               "  show PROJECT                       print what the project holds\n"
               "  memory PROJECT load ADDRESS FILE [--at MEMORY-ADDRESS]\n"
               "  memory PROJECT dump ADDRESS [--from MEMORY-ADDRESS] [--to MEMORY-ADDRESS] "
               "[--out FILE]\n"
               "                                     load or dump a device's memory image\n"
               "  run PROJECT [--editor PROGRAM] [--module NAME] [--timeout SECONDS]\n"
               "      [--edit-timeout SECONDS] [--script FILE] [EVENT...]\n"
               "                                     start the editor and raise the events\n"
               "events (one per argument or script line):\n") +
           HostEventUsage();
}

int RunBusTool(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
    LOG_FKT("RunBusTool");
    if (args.empty() || args[0] == "--help" || args[0] == "help") {
        (args.empty() ? err : out) << Usage();
        return args.empty() ? kExitUsage : kExitSuccess;
    }
    try {
        for (const TCommand &command : kCommands) {
            if (args[0] != command.name)
                continue;
            const TCommandLine cl(std::vector<std::string>(args.begin() + 1, args.end()),
                                  command.options);
            command.run(cl, out);
            out.flush();
            return kExitSuccess;
        }
        throw EUsage("unknown command \"" + args[0] + "\"");
    } catch (const EUsage &e) {
        out.flush();
        err << "bustool: " << e.Message << "\n(bustool --help lists the commands)\n";
        return kExitUsage;
    } catch (const std::exception &e) {
        out.flush();
        err << "bustool: " << e.what() << "\n";
        return kExitFailure;
    }
}
