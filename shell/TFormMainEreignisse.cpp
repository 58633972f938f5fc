// The bus-tool event frame, the device instances' life and the events of editing, creating,
// deleting, stopping and reconstructing.
#include "shell/TFormMain.h"

#include "deviceinstance/TDeviceInstanzAz.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "foundation/SprTexte.h"
#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/dialogs/DlgProgress.h"
#include "platform/log/Log.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"
#include "shell/QtText.h"
#include "shell/TBaumNeuaufbau.h"
#include "shell/TDM.h"
#include "shell/TFormVerw.h"
#include "shell/TTreeNode.h"

#include <QApplication>
#include <QMdiArea>
#include <QTreeWidget>
#include <QMdiSubWindow>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace {
// The progress of SetDevice: one step at a time, skipped once the user cancelled.
class TFortschritt {
public:
    TFortschritt(int textCaption, int text, int max, void *owner) {
        LOG_FKT("FormMain::TFortschritt::TFortschritt");
        FDaten.Caption = SprText(textCaption);
        FDaten.Text = SprText(text);
        FDaten.Min = 0;
        FDaten.Max = max;
        FDaten.Owner = owner;
        _StartDlgProgress(FDaten);
    }
    ~TFortschritt() {
        LOG_FKT("FormMain::TFortschritt::~TFortschritt");
        _StopDlgProgress();
    }
    TFortschritt(const TFortschritt &) = delete;
    TFortschritt &operator=(const TFortschritt &) = delete;
    void Schritt() {
        LOG_FKT("FormMain::TFortschritt::Schritt");
        _SetDlgProgress(++FPosition, FDaten);
    }

private:
    TDlgProgressDaten FDaten;
    int FPosition = 0;
};

// The device's name for the window title: each "\r\n" becomes one blank.
AnsiString NameOhneUmbruch(const char *name) {
    LOG_FKT("FormMain::NameOhneUmbruch");
    AnsiString text(name);
    for (size_t p = text.find("\r\n"); p != AnsiString::npos; p = text.find("\r\n", p + 1))
        text.replace(p, 2, " ");
    return text;
}

// A device record that carries only the size and the device id.
DAL_DEVICE LeererDeviceRecord(long deviceId) {
    LOG_FKT("FormMain::LeererDeviceRecord");
    DAL_DEVICE record{};
    record.size = sizeof(record);
    record.deviceId = static_cast<int32_t>(deviceId);
    return record;
}

// The text of a record's zero-terminated field (never beyond the field).
template <size_t N> AnsiString FeldText(const char (&field)[N]) {
    return AnsiString(field, strnlen(field, N));
}
} // namespace

bool TFormMain::EtsVersionCheck(uint32_t majorMinor, uint32_t releaseBuild) {
    LOG_FKT("TFormMain::EtsVersionCheck");
    const std::array<uint16_t, 4> version = {
        static_cast<uint16_t>(majorMinor >> 16), static_cast<uint16_t>(majorMinor & 0xFFFF),
        static_cast<uint16_t>(releaseBuild >> 16), static_cast<uint16_t>(releaseBuild & 0xFFFF)};
    return version >= kEtsVersion;
}

bool TFormMain::EtsVersionCheck() {
    LOG_FKT("TFormMain::EtsVersionCheck");
    tagETSINFO info{};
    if (!FCdi || !FCdi->GetEtsInfo(info))
        return false;
    return EtsVersionCheck(info.versionMajorMinor, info.versionReleaseBuild);
}

void TFormMain::OpenEventLog() {
    LOG_FKT("TFormMain::OpenEventLog");
    if (FDM.LogStart)
        InitLogFkt(FDM.ProgramFolder + "pultor.log", FDM.LogPriority, FDM.LogEnableMask,
                   FDM.LogTime);
}

void TFormMain::EventEnd(bool *done) {
    LOG_FKT("TFormMain::EventEnd");
    *done = true;
    CloseLogFkt();
    TimerTimeoutCloseStart();
    FDM.StartTimerAutoSave(false);
}

TFormVerw *TFormMain::NewFormVerw() {
    LOG_FKT("TFormMain::NewFormVerw");
    auto *window = new TFormVerw(FDM);
    // The window read its stored place and state before it had its frame: the frame takes them.
    const QRect ort = window->geometry();
    const Qt::WindowStates zustand = window->windowState();
    QMdiSubWindow *sub = MdiArea->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setGeometry(ort);
    sub->setWindowState(zustand);
    window->show();
    FAktivFormVerw = window;
    if (std::find(FFormVerwList.begin(), FFormVerwList.end(), window) == FFormVerwList.end()) {
        FFormVerwList.push_back(window);
        std::sort(FFormVerwList.begin(), FFormVerwList.end());
    }
    return window;
}

void TFormMain::FensterLoesen() {
    LOG_FKT("TFormMain::FensterLoesen");
    for (TFormVerw *w : FFormVerwList) {
        w->DeleteAllNodes();
        w->SetDeviceInstanz(nullptr);
    }
}

bool TFormMain::FindOrCreateDevice(const DAL_DEVICE &record) {
    LOG_FKT("TFormMain::FindOrCreateDevice");
    // The record is packed: its id is copied out before a reference can bind to it.
    const int id = record.deviceId;
    if (auto it = FDeviceInstanzen.find(id); it != FDeviceInstanzen.end()) {
        FAktDevInst = it->second.get();
        return FAktDevInst != nullptr;
    }
    auto device = std::make_unique<TDeviceInstanzAz>(this, &record, FAktivFormVerw);
    auto [it, inserted] = FDeviceInstanzen.emplace(id, std::move(device));
    if (!inserted)
        return false;
    FAktDevInst = it->second.get();
    return true;
}

bool TFormMain::SetDevice(long deviceId, bool withWindow) {
    LOG_FKT("TFormMain::SetDevice");
    bool result = false;
    FProgressAbbruch = false;
    TFortschritt progress(9205, 9155, 6, this);
    auto weiter = [this] { return !FProgressAbbruch; };
    if (!weiter())
        return false;
    GetEtsRegData();
    DAL_DEVICE record = LeererDeviceRecord(deviceId);
    if (FCdi->DalGetDeviceData(DAL_BY_ID, deviceId, -1, -1, -1, -1, &record) != 0)
        record = LeererDeviceRecord(deviceId);
    record.deviceId = static_cast<int32_t>(deviceId);
    if (!FindOrCreateDevice(record))
        return false;

    const AnsiString title = FeldText(record.productText);
    QApplication::setApplicationName(ToQString(title));
    AnsiString caption = title;
    if (const AnsiString name = NameOhneUmbruch(FeldText(record.name).c_str()); !name.empty())
        caption += " [" + name + "]";
    setWindowTitle(ToQString(caption));

    if (withWindow) {
        if (!FAktivFormVerw) {
            if (weiter())
                progress.Schritt();
            TFormVerw *window = NewFormVerw();
            FAktDevInst->SetFormVerw(window);
            window->setWindowTitle(ToQString(SprText(9211)));
        }
        progress.Schritt();
        AnsiString verwCaption = SprText(9211);
        if (FAktivFormVerw->WindowNumber() > 0)
            verwCaption += ":" + std::to_string(FAktivFormVerw->WindowNumber());
        FAktivFormVerw->setWindowTitle(ToQString(verwCaption));
        if (weiter()) {
            FAktivFormVerw->SetDeviceInstanz(FAktDevInst);
            if (weiter())
                FAktivFormVerw->LoadColor(FDM.ColorGridCommon, FDM.ColorGridCell, FDM.ColorGridTitle,
                                          FDM.ColorGridCellReadOnly, FDM.Gitternetzlinien);
        }
    }
    progress.Schritt();
    if (!weiter())
        return false;
    progress.Schritt();
    // A device that does not load goes no further: its ids and links are not touched.
    {
        // The load replaces every object of the device, and the windows may still show the
        // ones it had (an edit event while the editor is open): they let go first and are
        // built anew by the load.
        std::optional<TBaumNeuaufbau> neuaufbau;
        if (withWindow)
            neuaufbau.emplace(*this, TBaumNeuaufbau::GitterLeeren, TBaumNeuaufbau::AlleLeeren);
        result = FAktDevInst->GetDataFromServer(0, withWindow);
    }
    if (!result || !weiter())
        return false;
    progress.Schritt();
    SetParamDeviceIdToEts(deviceId);
    progress.Schritt();
    result = FAktDevInst->UpdateObjectAssociations();
    progress.Schritt();
    return result && weiter();
}

bool TFormMain::CreateDevice(const DAL_DEVICE &deviceRecord) {
    LOG_FKT("TFormMain::CreateDevice");
    if (!FAktivFormVerw)
        NewFormVerw();
    auto device = std::make_unique<TDeviceInstanzAz>(this, &deviceRecord, FAktivFormVerw);
    const int id = deviceRecord.deviceId;
    auto [it, inserted] = FDeviceInstanzen.try_emplace(id, std::move(device));
    if (!inserted) {
        // The id has its instance already: that one and its data stay as they are; the new
        // one (still in device, never current) goes at once.
        return false;
    }
    FAktDevInst = it->second.get();
    if (!FAktDevInst->CreateNewDevice(static_cast<int>(reinterpret_cast<intptr_t>(GetHandle()))))
        return false;
    // A new device whose block or id did not reach the bus tool has not been made.
    if (!FAktDevInst->WriteBlob())
        return false;
    return SetParamDeviceIdToEts(deviceRecord.deviceId);
}

bool TFormMain::DeleteDevice(const DAL_DEVICE &deviceRecord) {
    LOG_FKT("TFormMain::DeleteDevice");
    const int id = deviceRecord.deviceId;
    auto it = FDeviceInstanzen.find(id);
    if (it == FDeviceInstanzen.end())
        return false;
    FAktDevInst = it->second.get();
    FensterLoesen();
    it->second.reset();
    FAktDevInst = nullptr;
    FDeviceInstanzen.erase(it);
    return true;
}

bool TFormMain::OpenVumaVisible(long deviceId) {
    LOG_FKT("TFormMain::OpenVumaVisible");
    TCursorHourGlass hourGlass;
    if (!SetDevice(deviceId, true)) {
        ShowMessageBox(SprText(9117) + "\n\r" + "(TFormMain::OpenVumaVisible)", SprText(11366),
                       MB_ICONWARNING);
        return false;
    }
    RecoveryCheck(true, static_cast<int>(deviceId));
    ShowMainWindow();
    if (FAktivFormVerw) {
        FAktivFormVerw->TreeChange(nullptr);
        FAktivFormVerw->Grid.ResizeAktivFeld();
    }
    raise();
    activateWindow();
    AbgleichFormVerw(FAktivFormVerw);
    FDM.StartTimerAutoSave(true);
    return true;
}

bool TFormMain::SetParamDeviceIdToEts(long deviceId) {
    LOG_FKT("TFormMain::SetParamDeviceIdToEts");
    DAL_DEVICE_PARAM record{};
    if (!DeviceIdParameter(deviceId, record)) {
        ShowMessageBox(SprText(9100) + "\n\nDeviceId", "SetDeviceParameter", MB_ICONERROR);
        return false;
    }
    if (FCdi->CoSetDeviceParameterValueLong(record.deviceParameterId, deviceId, false, false) !=
        1) {
        ShowMessageBox(SprText(9102) + "\n\nDeviceId", "SetDeviceParameter", MB_ICONERROR);
        return false;
    }
    return true;
}

void TFormMain::OnCdiEditParameters(bool *done, int *result, TEts2Cdi_Extended1 *, long deviceId) {
    LOG_FKT("TFormMain::OnCdiEditParameters");
    FLastDeletedDeviceId = -1;
    SetStatusOnCopyDevice(false);
    if (!EtsVersionCheck()) {
        *result = 0;
        *done = true;
        return;
    }
    OpenEventLog();
    TimerTimeoutClose.stop();
    if (OpenVumaVisible(deviceId)) {
        FDM.Modified = false;
        *result = 1;
        *done = false;
        return;
    }
    // The editor did not open: the hidden editor's time-out runs again, the log is closed.
    *result = 0;
    EventEnd(done);
}

void TFormMain::OnCdiCreateDevice(bool *done, int *result, TEts2Cdi_Extended1 *, int mode,
                                  long deviceId, const AnsiString &) {
    LOG_FKT("TFormMain::OnCdiCreateDevice");
    FLastDeletedDeviceId = -1;
    if (!EtsVersionCheck()) {
        *result = 0;
        *done = true;
        return;
    }
    OpenEventLog();
    if (mode == -2) {
        *result = 1;
        *done = true;
        CloseLogFkt();
        return;
    }
    TimerTimeoutClose.stop();
    DAL_DEVICE record = LeererDeviceRecord(deviceId);
    if (FCdi->DalGetDeviceData(DAL_BY_ID, deviceId, -1, -1, -1, -1, &record) != 0) {
        ShowMessageBox("TFormMain::OnCdiCreate::DalGetDeviceData", "Fehler", MB_OK);
        *result = 0;
    } else {
        *result = CreateDevice(record) ? 1 : 0;
    }
    FDM.Modified = false;
    EventEnd(done);
}

void TFormMain::OnCdiDeleteDevice(bool *done, int *result, TEts2Cdi_Extended1 *, long deviceId) {
    LOG_FKT("TFormMain::OnCdiDeleteDevice");
    OpenEventLog();
    TimerTimeoutClose.stop();
    FLastDeletedDeviceId = static_cast<int>(deviceId);
    DeleteDevice(LeererDeviceRecord(deviceId));
    RecoveryCheck(false, static_cast<int>(deviceId));
    *result = 0;
    FDM.Modified = false;
    EventEnd(done);
}

void TFormMain::OnWmUserSvStop(bool *, int *, TEts2Cdi_Extended1 *, WPARAM, LPARAM) {
    LOG_FKT("TFormMain::OnWmUserSvStop");
    CloseProgram();
}

void TFormMain::OnCdiEditObject(bool *done, int *result, TEts2Cdi_Extended1 *, long,
                                long deviceObjectId) {
    LOG_FKT("TFormMain::OnCdiEditObject");
    FLastDeletedDeviceId = -1;
    if (!EtsVersionCheck()) {
        *result = 0;
        *done = true;
        return;
    }
    OpenEventLog();
    TimerTimeoutClose.stop();
    *result = 1;
    *done = false;
    long deviceId = 0;
    DAL_DEVICE_OBJECT object{};
    object.size = sizeof(object);
    if (FCdi->DalGetDeviceObjectData(DAL_BY_ID, deviceObjectId, -1, &object) == 0)
        deviceId = object.deviceId;
    if (!OpenVumaVisible(deviceId)) {
        *result = 0;
        EventEnd(done);
        return;
    }
    FDM.Modified = false;
    if (FAktDevInst && FAktivFormVerw) {
        if (TEtsObjekt *o = FAktDevInst->GetObjectFromDeviceObjectId(deviceObjectId)) {
            if (TTreeNode *node = FAktivFormVerw->GetNodeFromData(o)) {
                node->treeWidget()->scrollToItem(node);
                node->treeWidget()->setCurrentItem(node);
            }
        }
    }
    *result = 1;
    *done = false;
}

void TFormMain::OnCdiDoReconstruct(bool *done, int *result, TEts2Cdi_Extended1 *, long,
                                   long deviceId, long x, int mode, const AnsiString &fileName) {
    LOG_FKT("TFormMain::OnCdiDoReconstruct");
    TimerTimeoutCloseStart();
    *result = 0;
    if (mode == 2) {
        // A device whose block does not load is what a reconstruction mends: it goes on.
        if (!SetDevice(deviceId, false))
            ShowMessageBox("TFormMain::OnCdiDoReconstruct", "Fehler", MB_OK);
        // The rebuild writes the block itself, so that a failed write is undone with the rest.
        *result = ReconstructDeviceImage(false, fileName, true) ? 1 : 0;
    } else if (mode == 0) {
        AnsiString file = fileName;
        *result = ReadDeviceCommunicationImage(file, static_cast<int>(x)) ? 1 : 0;
    }
    *done = true;
}

void TFormMain::BindEvents() {
    LOG_FKT("TFormMain::BindEvents");
    // Each handler runs in the guard; one that throws has answered done, result 0.
    auto frame = [this](const char *name, bool *done, int *result, auto &&work) {
        if (!Bewacht(name, work)) {
            *done = true;
            *result = 0;
        }
    };
    FCdi->OnCdiEditParameters = [this, frame](bool *done, int *result, TCdiSender s, long id) {
        frame("TFormMain::OnCdiEditParameters", done, result,
              [&] { OnCdiEditParameters(done, result, s, id); });
    };
    FCdi->OnCdiCreateDevice = [this, frame](bool *done, int *result, TCdiSender s, int mode,
                                            long id, const AnsiString &text) {
        frame("TFormMain::OnCdiCreateDevice", done, result,
              [&] { OnCdiCreateDevice(done, result, s, mode, id, text); });
    };
    FCdi->OnCdiDeleteDevice = [this, frame](bool *done, int *result, TCdiSender s, long id) {
        frame("TFormMain::OnCdiDeleteDevice", done, result,
              [&] { OnCdiDeleteDevice(done, result, s, id); });
    };
    FCdi->OnWmUserSvStop = [this, frame](bool *done, int *result, TCdiSender s, WPARAM w,
                                         LPARAM l) {
        frame("TFormMain::OnWmUserSvStop", done, result,
              [&] { OnWmUserSvStop(done, result, s, w, l); });
    };
    FCdi->OnCdiEditObject = [this, frame](bool *done, int *result, TCdiSender s, long project,
                                          long id) {
        frame("TFormMain::OnCdiEditObject", done, result,
              [&] { OnCdiEditObject(done, result, s, project, id); });
    };
    FCdi->OnCdiDoReconstruct = [this, frame](bool *done, int *result, TCdiSender s, long project,
                                             long id, long x, int mode,
                                             const AnsiString &file) {
        frame("TFormMain::OnCdiDoReconstruct", done, result,
              [&] { OnCdiDoReconstruct(done, result, s, project, id, x, mode, file); });
    };
    BindDatenEreignisse();
    BindRekonstruktion();
}
