#include "tools/bustool/TEventRunner.h"

#include "platform/bustool/TSqlDatabase.h"
#include "platform/log/Log.h"

#include <cstdio>
#include <system_error>

namespace {

std::string Seconds(std::chrono::milliseconds ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%g s", static_cast<double>(ms.count()) / 1000.0);
    return text;
}

// The id of the panel's parameter "DeviceId", from its product data.
int32_t DeviceIdParameter() {
    for (const auto &p : PanelProductData().parameters)
        if (p.name == "DeviceId")
            return p.id;
    throw EHostFailure("the panel's product data has no parameter \"DeviceId\"");
}

} // namespace

TEventRunner::TEventRunner(TProjectDatabase &db, TRunOptions options, std::ostream &out)
    : FDb(db), FOptions(std::move(options)), FOut(out) {
    LOG_FKT("TEventRunner::TEventRunner");
}

void TEventRunner::Run(const std::vector<THostEvent> &events) {
    LOG_FKT("TEventRunner::Run");
    const auto before = FDb.TakeSnapshot();
    try {
        FEditor =
            std::make_unique<TEditorProcess>(FOptions.editor, FOptions.moduleName, FDb.File());
        FOut << "started " << FOptions.editor.string() << " " << FOptions.moduleName << "\n";
        RunEvents(events);
    } catch (const std::exception &failure) {
        // The editor must not write any more before the project is put back.
        FEditor.reset();
        try {
            FDb.Restore(*before);
        } catch (const std::exception &e) {
            throw EHostFailure(std::string(failure.what()) +
                               "; and the project could not be put back: " + e.what());
        }
        for (const auto &file : FPlacedFiles) {
            std::error_code ec;
            std::filesystem::remove(file, ec);
        }
        FOut << "the run failed: the project is as it was before the run\n";
        throw;
    }
}

void TEventRunner::RunEvents(const std::vector<THostEvent> &events) {
    LOG_FKT("TEventRunner::RunEvents");
    int n = 0;
    for (const THostEvent &event : events) {
        FOut << "event " << ++n << ": " << event.text << "\n";
        TAfter after;
        const std::string line = EncodeEvent(Prepare(event, after));
        FOut << "  sent: " << line << "\n";
        if (event.kind == THostEventKind::Stop) {
            FEditor->Send(line);
            Finish(FOptions.answerTimeout, "after stop");
            return;
        }
        const auto snapshot = FDb.TakeSnapshot();
        try {
            FEditor->Send(line);
        } catch (const EHostFailure &) {
            FEditor->WaitForExit(std::chrono::seconds(5));
            throw EHostFailure("the editor has ended before " + line + " (" + FEditor->ExitText() +
                               ")");
        }
        const TEtsReply answer = Await(TEtsReply::Answer, line, FOptions.answerTimeout);
        FOut << "  answer: done " << answer.done << ", result " << answer.result << "\n";
        if (!answer.text.empty())
            FOut << "  exported file: " << answer.text << "\n";
        if (!answer.done) {
            FOut << "  the editor has control; waiting for ReturnToEts\n";
            const TEtsReply back =
                Await(TEtsReply::ReturnToEts, "ReturnToEts after " + line, FOptions.editTimeout);
            if (back.keep == 0) {
                FDb.RestoreKeepingBus(*snapshot);
                FOut << "  ReturnToEts(0): the project is put back as it was before the event "
                        "(what went over the bus stays)\n";
            } else {
                FOut << "  ReturnToEts(" << back.keep << "): the changes are kept\n";
            }
        }
        if (after.undoLink && answer.result == 0) {
            FDb.Unlink(after.undoLink->first, after.undoLink->second);
            FOut << "  result 0: the link is undone\n";
        }
        if (after.removeDevice) {
            FDb.RemoveDevice(*after.removeDevice);
            FOut << "  the device is removed from the project\n";
        }
    }
    FEditor->CloseConnection();
    FOut << "end of the events: the connection is closed\n";
    Finish(FOptions.answerTimeout, "after the end of the connection");
}

TEtsReply TEventRunner::Await(TEtsReply::TKind expected, const std::string &what,
                              TEditorProcess::TTimeout timeout) {
    LOG_FKT("TEventRunner::Await");
    std::string line;
    switch (FEditor->ReadLine(line, timeout)) {
    case TEditorProcess::TRead::Ended:
        FEditor->WaitForExit(std::chrono::seconds(5));
        throw EHostFailure(
            "the editor ended without " +
            std::string(expected == TEtsReply::Answer ? "answering " : "") + what + " (" +
            (FEditor->ExitText().empty() ? "still running" : FEditor->ExitText()) + ")");
    case TEditorProcess::TRead::TimedOut:
        throw EHostFailure("no " + std::string(expected == TEtsReply::Answer ? "answer to " : "") +
                           what + " within " + Seconds(*timeout));
    case TEditorProcess::TRead::Line:
        break;
    }
    TEtsReply reply;
    try {
        reply = DecodeReply(line);
    } catch (const EEtsProtocol &e) {
        throw EHostFailure("the editor answered " + what + " with " + e.Message);
    }
    if (reply.kind == TEtsReply::Error)
        throw EHostFailure("the editor did not take " + what + ": " + reply.text);
    if (reply.kind != expected)
        throw EHostFailure("the editor sent \"" + line + "\" where " +
                           (expected == TEtsReply::Answer ? "the answer to " : "") + what +
                           " was due");
    return reply;
}

void TEventRunner::Finish(TEditorProcess::TTimeout timeout, const char *how) {
    LOG_FKT("TEventRunner::Finish");
    if (!FEditor->WaitForExit(timeout))
        throw EHostFailure(std::string("the editor has not ended within ") + Seconds(*timeout) +
                           " " + how);
    if (!FEditor->EndedCleanly())
        throw EHostFailure("the editor ended with " + FEditor->ExitText());
    FOut << "the editor has ended\n";
}

int32_t TEventRunner::DeviceId(const TDeviceRef &ref) {
    LOG_FKT("TEventRunner::DeviceId");
    if (ref.id)
        return *ref.id;
    if (const auto id = FDb.DeviceByAddress(*ref.address))
        return *id;
    throw EUsage("no device at " + PhysicalAddressText(*ref.address));
}

int32_t TEventRunner::ExistingDevice(const TDeviceRef &ref) {
    LOG_FKT("TEventRunner::ExistingDevice");
    const int32_t id = DeviceId(ref);
    if (!FDb.Device(id))
        throw EUsage("no device with the id " + std::to_string(id));
    return id;
}

int32_t TEventRunner::LineOf(uint16_t address) {
    LOG_FKT("TEventRunner::LineOf");
    if (FDb.DeviceByAddress(address))
        throw EUsage(PhysicalAddressText(address) + " is taken by another device");
    return FDb.EnsureLine(address >> 12, (address >> 8) & 0xF);
}

int32_t TEventRunner::DeviceObject(int32_t device, int number) {
    LOG_FKT("TEventRunner::DeviceObject");
    if (const auto id = FDb.DeviceObjectId(device, number))
        return *id;
    throw EUsage("device " + PhysicalAddressText(FDb.Device(device)->address) + " has no object " +
                 std::to_string(number));
}

int32_t TEventRunner::SubGroup(const TGroupNumbers &g) {
    LOG_FKT("TEventRunner::SubGroup");
    if (const auto id = FDb.SubGroupId(g.main, g.middle, g.sub))
        return *id;
    throw EUsage("no group address " + std::to_string(g.main) + "/" + std::to_string(g.middle) +
                 "/" + std::to_string(g.sub) + " in the project");
}

void TEventRunner::PlaceImportFile(const std::filesystem::path &file, int32_t oldId) {
    LOG_FKT("TEventRunner::PlaceImportFile");
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target = FDb.BusToolInfo().directory / (std::to_string(oldId) + ".azp");
    if (fs::exists(target, ec) && fs::equivalent(file, target, ec))
        return;
    if (fs::exists(target, ec))
        throw EHostFailure(target.string() + " exists already");
    if (!fs::copy_file(file, target, ec))
        throw EHostFailure("cannot place " + file.string() + " as " + target.string() + ": " +
                           ec.message());
    FPlacedFiles.push_back(target);
    FOut << "  placed " << file.string() << " as " << target.string() << "\n";
}

TEtsEvent TEventRunner::Prepare(const THostEvent &event, TAfter &after) {
    LOG_FKT("TEventRunner::Prepare");
    using K = TEtsEventKind;
    // The host's own changes are one step each and end before the editor gets the event.
    TSqlTransaction tx(FDb.Sql(), TSqlTransaction::Write);
    TEtsEvent wire;
    const auto made = [this](int32_t id) {
        FOut << "  made device " << PhysicalAddressText(FDb.Device(id)->address) << " (id " << id
             << ")\n";
    };
    switch (event.kind) {
    case THostEventKind::Edit:
        wire = {K::EditParameters, {DeviceId(event.device)}, ""};
        break;
    case THostEventKind::EditObject:
        wire = {
            K::EditObject, {DeviceObject(ExistingDevice(event.device), event.objectNumber)}, ""};
        break;
    case THostEventKind::Create: {
        const std::string name = event.name.empty() ? "Alarmzentrale" : event.name;
        const int32_t id =
            FDb.AddPanelDevice(LineOf(event.newAddress), event.newAddress & 0xFF, name);
        made(id);
        wire = {K::CreateDevice, {event.number, id}, name};
        break;
    }
    case THostEventKind::Delete:
        after.removeDevice = ExistingDevice(event.device);
        wire = {K::DeleteDevice, {*after.removeDevice}, ""};
        break;
    case THostEventKind::Download:
        wire = {K::DoDownload2, {0, DeviceId(event.device), 0, 0, 0, 0, 0, event.number}, ""};
        break;
    case THostEventKind::Stop:
        wire = {K::Stop, {}, ""};
        break;
    case THostEventKind::Link: {
        const int32_t device = ExistingDevice(event.device);
        const int32_t object = DeviceObject(device, event.objectNumber);
        const int32_t sub = SubGroup(event.group);
        if (FDb.LinkId(object, sub)) {
            FOut << "  the link exists already\n";
        } else {
            bool sending = true; // an object's first link is its sending one
            for (const auto &link : FDb.Links(device))
                sending = sending && link.objectNumber != event.objectNumber;
            const int rc = FDb.Link(object, sub, sending);
            if (rc == TProjectDatabase::kLinkFailed)
                throw EUsage("object " + std::to_string(event.objectNumber) + " of " +
                             event.device.text + " is switched off");
            if (rc == TProjectDatabase::kLinkWrongType)
                throw EUsage("the group address holds objects of another type than object " +
                             std::to_string(event.objectNumber));
            after.undoLink = {object, sub};
            FOut << "  linked" << (sending ? " (sending)" : "") << "\n";
        }
        wire = {K::LinkObjToSubGroup, {device, event.objectNumber, sub}, ""};
        break;
    }
    case THostEventKind::Unlink: {
        const int32_t device = DeviceId(event.device);
        const int32_t sub = SubGroup(event.group);
        if (FDb.Device(device)) {
            const bool removed = FDb.Unlink(DeviceObject(device, event.objectNumber), sub);
            FOut << (removed ? "  link removed\n" : "  there was no such link\n");
        }
        wire = {K::UnlinkObjFromSubGroup, {device, event.objectNumber, sub}, ""};
        break;
    }
    case THostEventKind::Export:
        wire = {K::ExportDevice, {DeviceId(event.device)}, ""};
        break;
    case THostEventKind::Import: {
        const std::filesystem::path file = event.file;
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec))
            throw EUsage("import file " + file.string() + ": no such file");
        std::optional<int32_t> oldId = event.oldId;
        if (!oldId) {
            try {
                oldId = static_cast<int32_t>(
                    ParseNumber(file.stem().string(), 0, INT32_MAX, "the file's name"));
            } catch (const EUsage &) {
                throw EUsage("import " + file.string() +
                             ": give the old device id (the file is not named after it)");
            }
        }
        PlaceImportFile(file, *oldId);
        // The exported project carries the device's parameters (and with them its switched
        // objects): a panel of this project under the old id stands for it; without one the
        // new device has the defaults.
        const int32_t line = LineOf(event.newAddress);
        const bool exportiert = FDb.ProductName(*oldId) == PanelProductData().name;
        const int32_t id =
            exportiert ? FDb.CopyDevice(*oldId, line, event.newAddress & 0xFF, "Alarmzentrale")
                       : FDb.AddPanelDevice(line, event.newAddress & 0xFF, "Alarmzentrale");
        if (exportiert)
            FOut << "  parameters as the exported device's (id " << *oldId << ")\n";
        FDb.SetParameterValue(id, DeviceIdParameter(), *oldId, nullptr);
        made(id);
        FOut << "  DeviceId = " << *oldId << "\n";
        wire = {K::ImportDevice, {id}, ""};
        break;
    }
    case THostEventKind::Copy: {
        const int32_t source = ExistingDevice(event.source);
        const int32_t id = FDb.CopyDevice(source, LineOf(event.newAddress), event.newAddress & 0xFF,
                                          FDb.Device(source)->name);
        made(id);
        wire = {K::CopyDevice, {id, source, event.number}, ""};
        break;
    }
    case THostEventKind::Reconstruct:
        wire = {K::DoReconstruct, {DeviceId(event.device), event.x, event.number}, event.file};
        break;
    }
    tx.Commit();
    return wire;
}
