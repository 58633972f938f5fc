// The interface object that the editor's main window makes: TEts2Cdi extended by the bus tool's
// event side. The bus tool raises its twelve events on the event slots below; the editor binds
// its handlers to them right after making the object, and hands control back with ReturnToEts.
// The events arrive over the event connection (TEtsEventConnection, TEtsEventDecoder): the
// editor's way of making the object opens the connection named in the environment, and the
// shell feeds it from a socket notifier on Events()->Fd().
//
// Every handler gets the done flag and the result first (preset to true and 0), then the
// sender (this object) and the event's values; a position the handlers do not read carries the
// project id (TProjectDatabase::kProjectId). The stop event's two values after the sender are
// 0. The export event's target takes the name of the file the editor exported. An event whose
// slot is empty answers done true and result 0.
#pragma once

#include "platform/bustool/TEts2Cdi.h"

#include <functional>
#include <memory>

class TEtsEventConnection;
class TEtsEventDecoder;
class TEts2Cdi_Extended1;

// The export event's target: the editor hands it the exported file's name.
class TEtsExportTarget {
public:
    virtual ~TEtsExportTarget() = default;
    virtual void SetExportFileName(const AnsiString &fileName) = 0;
};

using TCdiSender = TEts2Cdi_Extended1 *;
using TCdiEditParametersEvent =
    std::function<void(bool *done, int *result, TCdiSender, long deviceId)>;
using TCdiCreateDeviceEvent = std::function<void(bool *done, int *result, TCdiSender, int mode,
                                                 long deviceId, const AnsiString &text)>;
using TCdiDeleteDeviceEvent =
    std::function<void(bool *done, int *result, TCdiSender, long deviceId)>;
using TCdiStopEvent = std::function<void(bool *done, int *result, TCdiSender, WPARAM, LPARAM)>;
using TCdiDownloadEvent =
    std::function<void(bool *done, int *result, TCdiSender, int32_t a, long deviceId, int16_t b,
                       int16_t c, int32_t d, int32_t e, int32_t f, uint16_t flags)>;
using TCdiLinkEvent = std::function<void(bool *done, int *result, TCdiSender, long projectId,
                                         long deviceId, int16_t objectNumber, long subGroupId)>;
using TCdiEditObjectEvent =
    std::function<void(bool *done, int *result, TCdiSender, long projectId, long deviceObjectId)>;
using TCdiExportEvent = std::function<void(bool *done, int *result, TCdiSender, long projectId,
                                           long deviceId, TEtsExportTarget *target)>;
using TCdiImportEvent =
    std::function<void(bool *done, int *result, TCdiSender, long projectId, long deviceId)>;
using TCdiCopyEvent = std::function<void(bool *done, int *result, TCdiSender, long projectId,
                                         long targetDeviceId, long sourceDeviceId, uint8_t flag)>;
using TCdiReconstructEvent =
    std::function<void(bool *done, int *result, TCdiSender, long projectId, long deviceId, long x,
                       int mode, const AnsiString &fileName)>;

class TEts2Cdi_Extended1 : public TEts2Cdi {
public:
    // The environment variable that names the editor's end of the event connection.
    static constexpr const char *kEventsVariable = "BUSTOOL_EVENTS";

    // The editor's way: the project and the event connection named in the environment (no
    // connection when kEventsVariable is not set). Throws EProjectDatabase for the project,
    // EEtsConnection for a connection that cannot be used.
    TEts2Cdi_Extended1(HWND owner, const AnsiString &moduleName, bool flag);
    // Tests and the host: the given project file, no event connection (a test feeds a
    // TEtsEventDecoder of its own).
    TEts2Cdi_Extended1(const std::filesystem::path &project, const AnsiString &moduleName,
                       int32_t currentDevice = -1);
    ~TEts2Cdi_Extended1() override;

    // The twelve event slots.
    TCdiEditParametersEvent OnCdiEditParameters;
    TCdiCreateDeviceEvent OnCdiCreateDevice;
    TCdiDeleteDeviceEvent OnCdiDeleteDevice;
    TCdiStopEvent OnWmUserSvStop;
    TCdiDownloadEvent OnCdiDoDownload2;
    TCdiLinkEvent OnCdiLinkObjToSubGroup;
    TCdiLinkEvent OnCdiUnlinkObjFromSubGroup;
    TCdiEditObjectEvent OnCdiEditObject;
    TCdiExportEvent OnCdiExportDevice;
    TCdiImportEvent OnCdiImportDevice;
    TCdiCopyEvent OnCdiCopyDevice;
    TCdiReconstructEvent OnCdiDoReconstruct;

    // Hands control back to the bus tool after an event answered with done false: 1 keeps the
    // changes, 0 discards them. False when no event waits for it or the line cannot be sent.
    bool ReturnToEts(int keep);

    // The event connection opened from the environment, or null.
    TEtsEventConnection *Events();
    // The decoder that raises the events on this object registers itself here (and null when
    // it goes); ReturnToEts answers through it.
    void SetEventDecoder(TEtsEventDecoder *decoder);

private:
    TEtsEventDecoder *FDecoder = nullptr;
    std::unique_ptr<TEtsEventConnection> FEvents;
};
