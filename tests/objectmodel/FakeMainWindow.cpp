#include "FakeMainWindow.h"

#include "platform/bustool/TEtsDeviceParam.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "tests/platform/bustool/TempProject.h"

#include <list>

namespace {

// The project's writer, noting each write in the fake's log first.
class TNotingDeviceParam : public TEtsDeviceParam {
public:
    TNotingDeviceParam(TEts2Cdi *cdi, int32_t deviceId, TFakeMainWindow &main)
        : TEtsDeviceParam(cdi, deviceId), FMain(main) {}
    int SetDeviceParamData(int16_t id, int32_t value,
                           std::vector<tagDAL_OBJECT_INFO> &objects) override {
        FMain.Note(std::to_string(id) + "=" + std::to_string(value));
        return TEtsDeviceParam::SetDeviceParamData(id, value, objects);
    }
    int SetDeviceParamData(int16_t id, int32_t value) override {
        FMain.Note(std::to_string(id) + "=" + std::to_string(value));
        return TEtsDeviceParam::SetDeviceParamData(id, value);
    }

private:
    TFakeMainWindow &FMain;
};

} // namespace

TFakeMainWindow::TFakeMainWindow()
    : FRegistration(std::make_unique<TMessageTargetRegistration>(this)) {}

TFakeMainWindow::~TFakeMainWindow() {
    FProjectParam.reset();
    FProject.reset();
}

TTempProject &TFakeMainWindow::UseTemporaryProject() {
    if (!FProject) {
        FProject = std::make_unique<TTempProject>();
        FProjectParam =
            std::make_unique<TNotingDeviceParam>(&FProject->Cdi(), FProject->PanelId(), *this);
    }
    FDeviceParam = FProjectParam.get();
    return *FProject;
}

LRESULT TFakeMainWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    TEntry entry{msg, wParam, lParam, std::nullopt, {}, PostedMessageCount()};
    RDeviceRequest *request = nullptr;
    if (msg == AzMsg::DeviceRequest::Id)
        request = AzMsg::DeviceRequest::Decode(wParam, lParam).Request;
    else if (msg == AzMsg::DeviceRequest2::Id)
        request = AzMsg::DeviceRequest2::Decode(wParam, lParam).Request;
    if (request)
        entry.Request =
            TRequest{request->Handle, request->Code,    request->Sender, request->Text != nullptr,
                     request->Text2,  request->Wert,    request->Wert2,  request->Wert3,
                     request->Wert4,  request->Variante};
    FLog.push_back(std::move(entry));

    switch (msg) {
    case AzMsg::GetDatenSatz::Id:
        return AzMsg::Answer<AzMsg::GetDatenSatz>(
            wParam, lParam, [this](const AzMsg::GetDatenSatz &m) -> TDatenStruktur * {
                return AnswerNoRecord ? nullptr : GetDatenSatz(m.System, m.Parent, m.Handle);
            });
    case AzMsg::GetDatenSatzSystem::Id:
        return AzMsg::Answer<AzMsg::GetDatenSatzSystem>(
            wParam, lParam, [this](const AzMsg::GetDatenSatzSystem &m) -> TDatenStruktur * {
                return AnswerNoRecord ? nullptr : GetDatenSatz(m.System, -1, m.Handle);
            });
    case AzMsg::DeleteNextDatenSatz::Id:
        return AzMsg::Answer<AzMsg::DeleteNextDatenSatz>(
            wParam, lParam, [this](const AzMsg::DeleteNextDatenSatz &m) {
                DeleteNextDatenSatz(m.System, m.Handle, m.Next);
            });
    case AzMsg::SetModified::Id:
        ++FModified;
        return 0;
    case AzMsg::DeviceRequest::Id:
    case AzMsg::DeviceRequest2::Id: {
        auto &steps = FScript[msg];
        if (steps.empty() || !request)
            return 0;
        const TScriptStep step = std::move(steps.front());
        steps.pop_front();
        return step(*request);
    }
    case AzMsg::GetDeviceParam::Id:
        return AzMsg::GetDeviceParam::EncodeResult(FDeviceParam);
    default:
        return 0;
    }
}

std::vector<std::string> TFakeMainWindow::Trace() const {
    std::vector<std::string> out;
    for (const TEntry &e : FLog)
        out.push_back(e.Msg == 0 ? e.Note : std::to_string(e.Msg));
    return out;
}

std::vector<TFakeMainWindow::TRequest> TFakeMainWindow::Requests(UINT msg) const {
    std::vector<TRequest> out;
    for (const TEntry &e : FLog)
        if (e.Msg == msg && e.Request)
            out.push_back(*e.Request);
    return out;
}

void TFakeMainWindow::Note(std::string text) {
    FLog.push_back(TEntry{0, 0, 0, std::nullopt, std::move(text), PostedMessageCount()});
}

void TFakeMainWindow::AddDatenSatz(const TDatenStruktur &record) {
    FTree[record.System].emplace(record.Parent, record);
}

TDatenStruktur *TFakeMainWindow::GetDatenSatz(int system, int parent, int handle) {
    TParentMap &inner = FTree[system];
    if (parent < 0) {
        for (auto &[p, rec] : inner)
            if (rec.Handle == handle)
                return &rec;
    } else {
        const auto [first, last] = inner.equal_range(parent);
        for (auto it = first; it != last; ++it)
            if (it->second.Handle == handle)
                return &it->second;
    }
    TDatenStruktur neu;
    neu.Handle = handle;
    neu.Parent = parent;
    neu.System = system;
    return &inner.emplace(parent, neu)->second;
}

TDatenStruktur *TFakeMainWindow::FindDatenSatz(int system, int handle) {
    const auto it = FTree.find(system);
    if (it == FTree.end())
        return nullptr;
    for (auto &[p, rec] : it->second)
        if (rec.Handle == handle)
            return &rec;
    return nullptr;
}

void TFakeMainWindow::DeleteNextDatenSatz(int system, int parent, int handle) {
    const TDatenStruktur *record = GetDatenSatz(system, parent, handle);
    if (record->Next != 0)
        DeleteNextDatenSatz(system, parent, record->Next);
    TParentMap &inner = FTree[system];
    for (auto it = inner.begin(); it != inner.end(); ++it)
        if ((parent < 0 || it->first == parent) && it->second.Handle == handle) {
            inner.erase(it);
            return;
        }
}

int TFakeMainWindow::DatenSatzCount() const {
    int n = 0;
    for (const auto &[system, inner] : FTree)
        n += static_cast<int>(inner.size());
    return n;
}

TEibHandle &TFakeMainWindow::HandleTable() {
    if (!FHandleTable) {
        std::list<int> handles;
        for (const auto &[system, inner] : FTree)
            for (const auto &[parent, rec] : inner)
                handles.push_back(rec.Handle);
        FHandleTable = std::make_unique<TEibHandle>(handles);
        FHandleTable->BuildNewTable();
    }
    return *FHandleTable;
}

void TFakeMainWindow::Script(UINT msg, TScriptStep step) {
    FScript[msg].push_back(std::move(step));
}

void TFakeMainWindow::Script(UINT msg, LRESULT answer) {
    FScript[msg].push_back([answer](RDeviceRequest &) { return answer; });
}
