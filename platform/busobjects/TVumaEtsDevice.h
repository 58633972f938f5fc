// Base of a device's root object: a TDataBasis that is its own system (its system handle is
// its record handle) and knows the bus tool's device id and the device's physical address as
// text; both live in the root's record (Param4, String1). It also counts the objects that the
// device instance hangs under it.
#pragma once

#include "platform/objectbase/TDataBasis.h"

class TVumaEtsDevice : public TDataBasis {
public:
    // deviceId and spareId: the bus tool's device id and the spare id of a new device; the
    // factory passes 0 for both when it loads a device from its records.
    TVumaEtsDevice(HWND window, int system, int parent, AnsiString name, long deviceId,
                   long spareId, int handle);
    ~TVumaEtsDevice() override;

    // A new root (handle 0) takes its fresh handle and becomes its own system: the children
    // are made with the root's handle as system handle and as parent.
    void KonvertHandle(TEibHandle *table) override;

    // Base first, then the device id from Param4 and the physical-address text from String1.
    void InitFromDB(TDatenStruktur &record) override;
    // Base first, then Param4 := device id, String1 := physical-address text.
    void Write(TDatenStruktur &record) override;

    virtual void ObjektCountIncr();
    virtual void ObjektCountDecr(); // never below 0

    long GetDeviceId() const { return FDeviceId; }
    // The bus tool's id of the device (after an import or copy it is the new device's).
    void SetDeviceId(long deviceId);
    const AnsiString &GetPhysAdrText() const { return FPhysAdrText; }
    void SetPhysAdrText(const AnsiString &text);
    long GetSpareId() const { return FSpareId; }
    int GetObjektCount() const { return FObjektCount; }

private:
    long FDeviceId;
    long FSpareId;
    AnsiString FPhysAdrText;
    int FObjektCount = 0;
};
