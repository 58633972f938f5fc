// One communication object of the panel device (type 806): the tree's mirror of an object
// that the bus tool switched on through a device parameter. It knows the bus tool's ids of
// itself (communication object, device object, the device, the switching parameter), its
// object number, its bus type and the parameter value that switched it on, and carries its
// group-address links (TObjektBasis).
//
// Record fields: Param1 position id, Param3 and Param17 the switching value, Param4 object
// number, Param5 device id, Param6 reference, Param7 flags, Param8 object type (bus type + 1),
// Param9 communication-object id, Param10 device-object id, Param11 object kind, Param12
// direction, Param16 parameter id, Param14/Param15 and the chain behind the record the links.
#pragma once

#include "platform/busobjects/TObjektBasis.h"

#include <cstdint>

class TEtsObjekt : public TObjektBasis {
public:
    static constexpr int16_t Typ = 806;
    // Icons in the tree's image list: without and with a group address.
    enum : int { IconOhneGrpAdr = 60, IconMitGrpAdr = 61 };

    // The six longs are the bus tool's values of the object as the factory and the object
    // creation pass them (-1 for "not known yet"); objectType is the bus type + 1. The
    // argument before the handle is accepted as the callers pass it (0) and not used.
    TEtsObjekt(HWND window, int system, int parent, AnsiString name, long commObjectId,
               long deviceObjectId, long objectNumber, long reference, long parameterId, long flags,
               int objectKind, int objectType, int direction, int, int handle);
    ~TEtsObjekt() override;

    int GetTyp() const override;
    int ListStyle() const override;
    int GetIcon() const override; // by whether a group address is linked
    bool AllowChild(int) const override;
    bool AllowDrop(TDataBasis *) override;
    void Drop(TDataBasis *) override;
    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    char GetEtsObjektTyp() const override; // the stored object type - 1
    // Takes the standard name the device instance gives it (the communication object's name
    // in the bus tool); false, name unchanged, when none was given.
    bool DatenAbgleich(bool, bool) override;

    long GetCommObjectId() const { return FCommObjectId; }
    long GetDeviceObjectId() const { return FDeviceObjectId; }
    long GetObjectNumber() const { return FObjectNumber; }
    long GetReference() const { return FReference; }
    long GetParameterId() const { return FParameterId; }
    long GetFlags() const { return FFlags; }
    long GetEtsDeviceId() const { return FDeviceId; }
    int32_t GetParameterWert() const { return FParameterWert; }
    int GetObjectKind() const { return FObjectKind; }
    int GetObjectType() const { return FObjectType; }
    int GetDirection() const { return FDirection; }

    // After an import or copy the object takes the ids the bus tool gives it in this project.
    void SetCommObjectId(long id);
    void SetDeviceObjectId(long id);
    void SetParameterId(long id);
    void SetEtsDeviceId(long id);
    void SetParameterWert(int32_t value);

    // Asks the main window to link the object to a sub group, in the bus tool too (1145 with
    // the sub group and the object's handle), or to remove that link (1146 with the sub group
    // and the device-object id); true when done.
    bool SendeLinkToSubGroup(long subGroupId);
    bool SendeUnLinkFromSubGroup(long subGroupId);

private:
    long FCommObjectId;
    long FDeviceObjectId;
    long FObjectNumber;
    long FReference;
    long FParameterId;
    long FFlags;
    long FDeviceId = -1;
    int32_t FParameterWert = 0;
    int FObjectKind;
    int FObjectType;
    int FDirection;
};
