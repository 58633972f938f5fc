// The bus tool's data events: download, link and unlink of an object, export, import and copy
// of a device, and the import and copy that the last two run with the bus tool's meter.
#include "shell/TFormMain.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/bustool/TEtsProgressDialog.h"
#include "platform/log/Log.h"
#include "platform/vcl/Streams.h"
#include "platform/win/MessageBox.h"
#include "shell/TDM.h"
#include "shell/TFileDialog.h"

#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

namespace {
// The bus tool's meter of an import (kind 2) or a copy (kind 13) in its progress dialog; the
// dialog closes the meter when it goes, on every way out.
struct TMeter {
    TMeter(TEts2Cdi &cdi, HWND owner, int kind, int caption)
        : Dialog(std::make_unique<TEtsProgressDialog>(&cdi, cdi.CoMeterDlgOpen(owner, kind))) {
        LOG_FKT("FormMain::TMeter::TMeter");
        cdi.CoMeterSetCaption(Dialog->GetMeter(), SprText(caption));
        Dialog->EtsMeterSetText(SprText(9155));
    }
    // The end of a run that succeeded: text lines 1 and 2 emptied, the position from 80 to 99.
    void Fertig() {
        LOG_FKT("FormMain::TMeter::Fertig");
        Dialog->EtsMeterSetText1("");
        Dialog->EtsMeterSetText2("");
        for (uint16_t p = 80; p <= 99; ++p)
            Dialog->EtsMeterSetPosition(p);
    }
    std::unique_ptr<TEtsProgressDialog> Dialog;
};

DAL_DEVICE DeviceRecordLesen(TEts2Cdi &cdi, long deviceId, bool &gelesen) {
    LOG_FKT("FormMain::DeviceRecordLesen");
    DAL_DEVICE record{};
    record.size = sizeof(record);
    gelesen = cdi.DalGetDeviceData(DAL_BY_ID, deviceId, -1, -1, -1, -1, &record) == 0;
    if (!gelesen) {
        record = DAL_DEVICE{};
        record.size = sizeof(record);
    }
    record.deviceId = static_cast<int32_t>(deviceId);
    return record;
}
} // namespace

bool TFormMain::DeviceIdParameter(long deviceId, DAL_DEVICE_PARAM &out) {
    LOG_FKT("TFormMain::DeviceIdParameter");
    std::vector<DAL_DEVICE_PARAM> records;
    for (int mode = DAL_FIRST;; mode = DAL_NEXT) {
        DAL_DEVICE_PARAM record{};
        record.size = sizeof(record);
        if (FCdi->DalGetDeviceParamData(mode, -1, deviceId, &record) != 0)
            break;
        records.push_back(record);
    }
    for (const DAL_DEVICE_PARAM &record : records) {
        DAL_PARAMETER parameter{};
        parameter.size = sizeof(parameter);
        if (FCdi->DalGetParameterData(DAL_BY_ID, record.parameterId, -1, -1, &parameter) != 0)
            break;
        if (AnsiString(parameter.name, strnlen(parameter.name, sizeof parameter.name)) ==
            "DeviceId") {
            out = record;
            return true;
        }
    }
    return false;
}

bool TFormMain::GetParamDeviceIdFromEts(long deviceId, int &oldId) {
    LOG_FKT("TFormMain::GetParamDeviceIdFromEts");
    DAL_DEVICE_PARAM record{};
    if (!DeviceIdParameter(deviceId, record)) {
        ShowMessageBox(SprText(9100) + "\n\nDeviceId", "GetDeviceParameter", MB_ICONERROR);
        return false;
    }
    oldId = record.value;
    return true;
}

bool TFormMain::Compiler(int32_t, long, int16_t) {
    LOG_FKT("TFormMain::Compiler");
    return false;
}

bool TFormMain::Download(int32_t, long, int16_t, int16_t, int32_t, int32_t, int32_t, uint16_t) {
    LOG_FKT("TFormMain::Download");
    return false;
}

void TFormMain::OnCdiDoDownload2(bool *done, int *result, TEts2Cdi_Extended1 *, int32_t a,
                                 long deviceId, int16_t b, int16_t c, int32_t d, int32_t e,
                                 int32_t f, uint16_t flags) {
    LOG_FKT("TFormMain::OnCdiDoDownload2");
    FLastDeletedDeviceId = -1;
    if (!EtsVersionCheck()) {
        *result = 0;
        *done = true;
        return;
    }
    OpenEventLog();
    bool weiter = true;
    TimerTimeoutClose.stop();
    *result = 1;
    if (!SetDevice(deviceId, false)) {
        ShowMessageBox("TFormMain::OnCdiDoDownload2, SetDevice", "Fehler", MB_OK);
        *result = 0;
    } else {
        if (!FAktDevInst->UpdateGroupAddressFromId()) {
            *result = 0;
            *done = true;
            TimerTimeoutCloseStart();
            FDM.StartTimerAutoSave(false);
            return;
        }
        if ((flags & 1) == 0)
            weiter = Compiler(a, deviceId, b);
        if (weiter && !Download(a, deviceId, b, c, d, e, f, flags))
            *result = 0;
        // A block that did not reach the bus tool is no download of it.
        if (FAktDevInst && !FAktDevInst->WriteBlob())
            *result = 0;
    }
    FDM.Modified = false;
    EventEnd(done);
}

void TFormMain::OnCdiLinkObjToSubGroup(bool *done, int *result, TEts2Cdi_Extended1 *, long,
                                       long deviceId, int16_t objectNumber, long subGroupId) {
    LOG_FKT("TFormMain::OnCdiLinkObjToSubGroup");
    FLastDeletedDeviceId = -1;
    if (!EtsVersionCheck()) {
        *result = 0;
        *done = true;
        return;
    }
    OpenEventLog();
    TimerTimeoutClose.stop();
    *result = 1;
    TEtsObjekt *object = nullptr;
    if (SetDevice(deviceId, false)) {
        FDM.Modified = false;
        if (FAktDevInst)
            object = FAktDevInst->GetObjectFromObjectNr(objectNumber);
    }
    if (object) {
        *result = FAktDevInst->LinkAzObjToEtsSubGroup(object, subGroupId);
        // The block must hold the link, or the bus tool takes it back.
        if (!FAktDevInst->WriteBlob())
            *result = 0;
    } else {
        *result = 0;
    }
    EventEnd(done);
}

void TFormMain::OnCdiUnlinkObjFromSubGroup(bool *done, int *result, TEts2Cdi_Extended1 *, long,
                                           long deviceId, int16_t objectNumber, long subGroupId) {
    LOG_FKT("TFormMain::OnCdiUnlinkObjFromSubGroup");
    if (!EtsVersionCheck()) {
        *result = 0;
        *done = true;
        return;
    }
    OpenEventLog();
    if (deviceId == FLastDeletedDeviceId) {
        // The bus tool removes the links of the device it has just deleted.
        *result = 1;
        *done = true;
        return;
    }
    *result = 1;
    TimerTimeoutClose.stop();
    if (!SetDevice(deviceId, false)) {
        *result = 0;
    } else {
        FDM.Modified = false;
        if (FAktDevInst) {
            if (TEtsObjekt *object = FAktDevInst->GetObjectFromObjectNr(objectNumber)) {
                object->DeleteSubGroupLink(subGroupId);
                object->Write(*FAktDevInst->GetDatenSatz(object));
                if (!FAktDevInst->WriteBlob())
                    *result = 0;
            }
        }
    }
    EventEnd(done);
}

void TFormMain::OnCdiExportDevice(bool *done, int *result, TEts2Cdi_Extended1 *, long,
                                  long deviceId, TEtsExportTarget *target) {
    LOG_FKT("TFormMain::OnCdiExportDevice");
    FLastDeletedDeviceId = -1;
    if (!EtsVersionCheck()) {
        *result = 0;
        *done = true;
        return;
    }
    OpenEventLog();
    TimerTimeoutClose.stop();
    *result = 1;
    if (!SetParamDeviceIdToEts(deviceId)) {
        ShowMessageBox(SprText(9105), SprText(9046), MB_ICONERROR);
        *result = 0;
        *done = true;
        TimerTimeoutCloseStart();
        return;
    }
    if (!SetDevice(deviceId, false)) {
        // A device that did not load is not exported: the failure is reported, not success.
        ShowMessageBox("TFormMain::OnCdiExportDevice, SetDevice", "Fehler", MB_OK);
        *result = 0;
    } else {
        FDM.Modified = false;
        if (FAktDevInst) {
            const AnsiString file = std::filesystem::path(FAktDevInst->GetAutoSaveFile())
                                        .replace_extension("." + FProjectExt)
                                        .string();
            if (!FAktDevInst->UpdateGroupAddressFromId())
                *result = 0;
            if (SaveToFile(file)) {
                if (target)
                    target->SetExportFileName(file);
            } else {
                ShowMessageBox(SprText(9105) + " : " + file, SprText(9046), MB_OK);
                *result = 0;
            }
        } else {
            *result = 0;
        }
    }
    EventEnd(done);
}

void TFormMain::OnCdiImportDevice(bool *done, int *result, TEts2Cdi_Extended1 *, long,
                                  long deviceId) {
    LOG_FKT("TFormMain::OnCdiImportDevice");
    FLastDeletedDeviceId = -1;
    OpenEventLog();
    TimerTimeoutClose.stop();
    if (ImportDevice(deviceId)) {
        *result = 1;
    } else {
        FDM.Modified = false;
        *result = 0;
    }
    EventEnd(done);
}

void TFormMain::OnCdiCopyDevice(bool *done, int *result, TEts2Cdi_Extended1 *, long, long targetId,
                                long sourceId, uint8_t flag) {
    LOG_FKT("TFormMain::OnCdiCopyDevice");
    SetStatusOnCopyDevice(true);
    FLastDeletedDeviceId = -1;
    TimerTimeoutClose.stop();
    OpenEventLog();
    if (CopyDevice(targetId, sourceId, flag)) {
        *result = 1;
    } else {
        FDM.Modified = false;
        *result = 0;
    }
    *done = true;
    FDM.StartTimerAutoSave(false);
    TimerTimeoutCloseStart();
}

bool TFormMain::ImportDevice(long deviceId) {
    LOG_FKT("TFormMain::ImportDevice");
    bool gelesen = false;
    const DAL_DEVICE record = DeviceRecordLesen(*FCdi, deviceId, gelesen);
    if (!gelesen) {
        // Nothing was imported: that is a failure, not the success it was once reported as.
        ShowMessageBox(SprText(9095), SprText(9196), MB_ICONERROR);
        return false;
    }
    if (!FindOrCreateDevice(record))
        return false;
    TMeter meter(*FCdi, GetHandle(), 2, 9196);
    const AnsiString physAdr = FAktDevInst->GetPhysAdr(deviceId);
    auto fehler = [&] {
        ShowMessageBox(SprText(9095) + "\n" + physAdr, SprText(9196), MB_ICONERROR);
        return false;
    };
    int oldId = 0;
    if (!GetParamDeviceIdFromEts(deviceId, oldId))
        return fehler();
    tagETSINFO info{};
    FCdi->GetEtsInfo(info);
    const AnsiString folder(info.directory, strnlen(info.directory, sizeof info.directory));
    const AnsiString name = std::to_string(oldId) + "." + FProjectExt;
    AnsiString file = folder + "/" + name;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        ShowMessageBox(SprText(9106) + "\nDeviceId = " + std::to_string(oldId), SprText(9196),
                       MB_OK);
        TOpenDialog dialog(this);
        dialog.Clear();
        dialog.DefaultExt = FProjectExt;
        dialog.FileName = name;
        dialog.InitialDir = folder;
        dialog.Title = SprText(9196);
        dialog.Options = ofPathMustExist | ofFileMustExist;
        if (!dialog.Execute())
            return fehler();
        file = dialog.FileName;
    }
    auto stream = std::make_unique<TMemoryStream>();
    stream->LoadFromFile(file);
    meter.Dialog->EtsMeterSetPosition(2);
    if (meter.Dialog->EtsGetAbortFlag())
        return fehler();
    if (!FAktDevInst->VumaCdiImport(stream.get(), meter.Dialog.get()))
        return fehler();
    // Without its block the device has not got the configuration: the file and the old id
    // stay, so that the import can be made again.
    if (!FAktDevInst->WriteBlob())
        return fehler();
    if (!SetParamDeviceIdToEts(deviceId))
        return fehler();
    std::filesystem::remove(file, ec);
    meter.Fertig();
    return true;
}

bool TFormMain::CopyDevice(long targetId, long sourceId, uint8_t flag) {
    LOG_FKT("TFormMain::CopyDevice");
    TMeter meter(*FCdi, GetHandle(), 13, 9194);
    auto fehler = [&] {
        ShowMessageBox(SprText(9094), SprText(9194), MB_ICONERROR);
        return false;
    };
    bool gelesen = false;
    const DAL_DEVICE record = DeviceRecordLesen(*FCdi, targetId, gelesen);
    if (!FindOrCreateDevice(record))
        return false;
    meter.Dialog->EtsMeterSetPosition(5);
    if (meter.Dialog->EtsGetAbortFlag())
        return fehler();
    unsigned char *data = nullptr;
    unsigned long size = 0;
    if (!FCdi->BlobRead(&data, &size, sourceId))
        return fehler();
    auto stream = std::make_unique<TMemoryStream>();
    stream->SetSize(static_cast<long long>(size));
    stream->Seek(0, soFromBeginning);
    stream->Write(data, static_cast<long long>(size));
    stream->Seek(0, soFromBeginning);
    meter.Dialog->EtsMeterSetPosition(9);
    if (meter.Dialog->EtsGetAbortFlag())
        return fehler();
    const bool kopiert = FAktDevInst->VumaCdiCopy(stream.get(), flag, meter.Dialog.get());
    stream.reset();
    if (!kopiert || !SetParamDeviceIdToEts(targetId) || !FAktDevInst->WriteBlob())
        return fehler();
    meter.Fertig();
    return true;
}

void TFormMain::BindDatenEreignisse() {
    LOG_FKT("TFormMain::BindDatenEreignisse");
    BindVorlage();
    BindKopieren();
    // Each handler runs in the guard; one that throws has answered done, result 0.
    auto frame = [this](const char *name, bool *done, int *result, auto &&work) {
        if (!Bewacht(name, work)) {
            *done = true;
            *result = 0;
        }
    };
    FCdi->OnCdiDoDownload2 = [this, frame](bool *done, int *result, TCdiSender s, int32_t a,
                                           long id, int16_t b, int16_t c, int32_t d, int32_t e,
                                           int32_t f, uint16_t flags) {
        frame("TFormMain::OnCdiDoDownload2", done, result,
              [&] { OnCdiDoDownload2(done, result, s, a, id, b, c, d, e, f, flags); });
    };
    FCdi->OnCdiLinkObjToSubGroup = [this, frame](bool *done, int *result, TCdiSender s,
                                                 long project, long id, int16_t nr, long sub) {
        frame("TFormMain::OnCdiLinkObjToSubGroup", done, result,
              [&] { OnCdiLinkObjToSubGroup(done, result, s, project, id, nr, sub); });
    };
    FCdi->OnCdiUnlinkObjFromSubGroup = [this, frame](bool *done, int *result, TCdiSender s,
                                                     long project, long id, int16_t nr, long sub) {
        frame("TFormMain::OnCdiUnlinkObjFromSubGroup", done, result,
              [&] { OnCdiUnlinkObjFromSubGroup(done, result, s, project, id, nr, sub); });
    };
    FCdi->OnCdiExportDevice = [this, frame](bool *done, int *result, TCdiSender s, long project,
                                            long id, TEtsExportTarget *target) {
        frame("TFormMain::OnCdiExportDevice", done, result,
              [&] { OnCdiExportDevice(done, result, s, project, id, target); });
    };
    FCdi->OnCdiImportDevice = [this, frame](bool *done, int *result, TCdiSender s, long project,
                                            long id) {
        frame("TFormMain::OnCdiImportDevice", done, result,
              [&] { OnCdiImportDevice(done, result, s, project, id); });
    };
    FCdi->OnCdiCopyDevice = [this, frame](bool *done, int *result, TCdiSender s, long project,
                                          long target, long source, uint8_t flag) {
        frame("TFormMain::OnCdiCopyDevice", done, result,
              [&] { OnCdiCopyDevice(done, result, s, project, target, source, flag); });
    };
}
