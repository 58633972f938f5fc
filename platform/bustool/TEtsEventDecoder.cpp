#include "platform/bustool/TEtsEventDecoder.h"

#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <memory>

namespace {

// Keeps the file name the editor hands to the export event's target.
class TExportName : public TEtsExportTarget {
public:
    void SetExportFileName(const AnsiString &fileName) override {
        LOG_FKT("TExportName::SetExportFileName");
        FName = fileName;
    }
    const std::string &Name() const {
        LOG_FKT("TExportName::Name");
        return FName;
    }

private:
    std::string FName;
};

// Clears the running flag when a dispatch ends, also by an exception, unless a handler has
// destroyed the decoder meanwhile.
class TRunningGuard {
public:
    TRunningGuard(bool &running, std::shared_ptr<bool> alive)
        : FRunning(running), FAlive(std::move(alive)) {
        LOG_FKT("TRunningGuard::TRunningGuard");
        FRunning = true;
    }
    ~TRunningGuard() {
        LOG_FKT("TRunningGuard::~TRunningGuard");
        if (*FAlive)
            FRunning = false;
    }

private:
    bool &FRunning;
    std::shared_ptr<bool> FAlive;
};

} // namespace

TEtsEventDecoder::TEtsEventDecoder(TEts2Cdi_Extended1 &cdi, TWriter writer)
    : FCdi(cdi), FWriter(std::move(writer)) {
    LOG_FKT("TEtsEventDecoder::TEtsEventDecoder");
    FCdi.SetEventDecoder(this);
}

TEtsEventDecoder::~TEtsEventDecoder() {
    LOG_FKT("TEtsEventDecoder::~TEtsEventDecoder");
    *FAlive = false;
    FCdi.SetEventDecoder(nullptr);
}

void TEtsEventDecoder::Feed(std::string_view bytes) {
    LOG_FKT("TEtsEventDecoder::Feed");
    if (FEnded || FStopped)
        return;
    while (!bytes.empty()) {
        const size_t nl = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, nl);
        if (!FLineTooLong) {
            if (FLine.size() + piece.size() > kMaxLineLength) {
                FLineTooLong = true;
                FLine.clear();
            } else {
                FLine.append(piece);
            }
        }
        if (nl == std::string_view::npos)
            break;
        bytes.remove_prefix(nl + 1);
        if (FLineTooLong)
            FQueue.emplace_back(std::string("line longer than ") + std::to_string(kMaxLineLength) +
                                " bytes");
        else
            TakeLine(FLine);
        FLine.clear();
        FLineTooLong = false;
    }
    Dispatch();
}

void TEtsEventDecoder::TakeLine(std::string_view line) {
    LOG_FKT("TEtsEventDecoder::TakeLine");
    try {
        FQueue.emplace_back(DecodeEvent(line));
    } catch (const EEtsProtocol &e) {
        FQueue.emplace_back(e.Message);
    }
}

void TEtsEventDecoder::End() {
    LOG_FKT("TEtsEventDecoder::End");
    if (FEnded || FStopped)
        return;
    FEnded = true;
    if (!FLine.empty() || FLineTooLong)
        FQueue.emplace_back(std::string("unfinished line at the end of the connection"));
    FLine.clear();
    FQueue.emplace_back(TEtsEvent{TEtsEventKind::Stop, {}, {}});
    Dispatch();
}

bool TEtsEventDecoder::Stopped() const {
    LOG_FKT("TEtsEventDecoder::Stopped");
    return FStopped;
}

size_t TEtsEventDecoder::Queued() const {
    LOG_FKT("TEtsEventDecoder::Queued");
    return FQueue.size();
}

void TEtsEventDecoder::Dispatch() {
    LOG_FKT("TEtsEventDecoder::Dispatch");
    if (FRunning)
        return; // the running handler's Dispatch goes on with the queue
    const std::shared_ptr<bool> alive = FAlive;
    TRunningGuard running(FRunning, alive);
    while (!FQueue.empty() && !FStopped) {
        const TItem item = std::move(FQueue.front());
        FQueue.pop_front();
        if (const auto *why = std::get_if<std::string>(&item))
            Reply({TEtsReply::Error, true, 0, 0, *why});
        else
            Raise(std::get<TEtsEvent>(item));
        if (!*alive)
            return; // a handler destroyed the decoder (with the interface object)
    }
    if (FStopped)
        FQueue.clear();
}

void TEtsEventDecoder::Raise(const TEtsEvent &event) {
    LOG_FKT("TEtsEventDecoder::Raise");
    const auto &v = event.values;
    const long project = TProjectDatabase::kProjectId;
    TEts2Cdi_Extended1 *sender = &FCdi;
    bool done = true;
    int result = 0;
    TExportName target;

    const std::shared_ptr<bool> alive = FAlive;
    if (event.kind == TEtsEventKind::Stop) {
        FStopped = true;
        // A copy: the handler may destroy the interface object and its slots with it.
        if (const TCdiStopEvent slot = FCdi.OnWmUserSvStop)
            slot(&done, &result, sender, 0, 0);
        return;
    }

    long device = -1;
    switch (event.kind) {
    case TEtsEventKind::EditParameters:
    case TEtsEventKind::DeleteDevice:
    case TEtsEventKind::ExportDevice:
    case TEtsEventKind::ImportDevice:
    case TEtsEventKind::LinkObjToSubGroup:
    case TEtsEventKind::UnlinkObjFromSubGroup:
    case TEtsEventKind::DoReconstruct:
    case TEtsEventKind::CopyDevice:
        device = static_cast<long>(v[0]);
        break;
    case TEtsEventKind::CreateDevice:
    case TEtsEventKind::DoDownload2:
        device = static_cast<long>(v[1]);
        break;
    case TEtsEventKind::EditObject:
        // On a failure of the project the handler meets the same failure and reports it.
        device = FCdi.Guarded("DeviceOfObject", -1L, [&] {
            return static_cast<long>(
                FCdi.Database().DeviceOfObject(static_cast<int32_t>(v[0])).value_or(-1));
        });
        break;
    case TEtsEventKind::Stop:
        break;
    }
    FCdi.SetCurrentDevice(static_cast<int32_t>(device));

    const auto i32 = [&](size_t i) { return static_cast<int32_t>(v[i]); };
    const auto i16 = [&](size_t i) { return static_cast<int16_t>(v[i]); };
    const auto call = [&](const auto &slot, auto... args) {
        if (const auto copy = slot) // see the stop event
            copy(&done, &result, sender, args...);
    };
    switch (event.kind) {
    case TEtsEventKind::EditParameters:
        call(FCdi.OnCdiEditParameters, long(v[0]));
        break;
    case TEtsEventKind::CreateDevice:
        call(FCdi.OnCdiCreateDevice, int(v[0]), long(v[1]), AnsiString(Utf8ToAnsi(event.text)));
        break;
    case TEtsEventKind::DeleteDevice:
        call(FCdi.OnCdiDeleteDevice, long(v[0]));
        break;
    case TEtsEventKind::DoDownload2:
        call(FCdi.OnCdiDoDownload2, i32(0), long(v[1]), i16(2), i16(3), i32(4), i32(5), i32(6),
             static_cast<uint16_t>(v[7]));
        break;
    case TEtsEventKind::LinkObjToSubGroup:
        call(FCdi.OnCdiLinkObjToSubGroup, project, long(v[0]), i16(1), long(v[2]));
        break;
    case TEtsEventKind::UnlinkObjFromSubGroup:
        call(FCdi.OnCdiUnlinkObjFromSubGroup, project, long(v[0]), i16(1), long(v[2]));
        break;
    case TEtsEventKind::EditObject:
        call(FCdi.OnCdiEditObject, project, long(v[0]));
        break;
    case TEtsEventKind::ExportDevice:
        call(FCdi.OnCdiExportDevice, project, long(v[0]), static_cast<TEtsExportTarget *>(&target));
        break;
    case TEtsEventKind::ImportDevice:
        call(FCdi.OnCdiImportDevice, project, long(v[0]));
        break;
    case TEtsEventKind::CopyDevice:
        call(FCdi.OnCdiCopyDevice, project, long(v[0]), long(v[1]), static_cast<uint8_t>(v[2]));
        break;
    case TEtsEventKind::DoReconstruct:
        call(FCdi.OnCdiDoReconstruct, project, long(v[0]), long(v[1]), int(v[2]),
             AnsiString(event.text));
        break;
    case TEtsEventKind::Stop:
        break;
    }
    if (!*alive)
        return;
    Reply({TEtsReply::Answer, done, result, 0, target.Name()});
    if (!done)
        FReturnPending = true;
}

void TEtsEventDecoder::Reply(const TEtsReply &reply) {
    LOG_FKT("TEtsEventDecoder::Reply");
    // A line that cannot be sent means the host has gone; the end of the connection follows
    // and stops the editor.
    TEtsReply sent = reply;
    try {
        FWriter(EncodeReply(sent));
    } catch (const EEtsProtocol &e) {
        // A file name the protocol cannot carry: the host learns why instead of a wrong name.
        sent = {TEtsReply::Error, true, 0, 0, e.Message};
        FWriter(EncodeReply(sent));
    }
}

bool TEtsEventDecoder::ReturnToEts(int keep) {
    LOG_FKT("TEtsEventDecoder::ReturnToEts");
    if (!FReturnPending || FStopped)
        return false;
    FReturnPending = false;
    return FWriter(EncodeReply({TEtsReply::ReturnToEts, true, 0, keep, {}}));
}
