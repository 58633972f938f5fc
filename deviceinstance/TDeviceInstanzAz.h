// The alarm panel's device instance: the panel-specific members (detector numbering, the
// lists of the alignment pass, the data format's version) and the bodies of the virtual
// operations. Records become objects through the factory (AzFabrik) and go back into the
// configuration data block through CopyStrukturDatenToDB.
//
// Operations whose work belongs to the panel's later features (creating a new device, the
// requests of the objects, detectors, copy and paste, the alignment pass, the checks before
// leaving, the panel's own link rules and imports) answer a neutral value here: 0, false or
// nothing; the links use the base bodies. The alignment pass answers true, so that a device
// loads. The resource check before every link is the panel's (TDeviceInstanzAzRessourcen.cpp).
#pragma once

#include "deviceinstance/TDeviceInstanz.h"

#include <array>
#include <list>
#include <map>

class TAzMelder;

class TDeviceInstanzAz : public TDeviceInstanz {
public:
    // A switching device of an arming area (number, physical-address text, name).
    struct RPhysAdr {
        int32_t PhysAdr = 0;
        AnsiString Text;
        AnsiString Name;
    };

    TDeviceInstanzAz(TFormMainDienste *main, const DAL_DEVICE *device, TFormVerwDienste *verw);
    ~TDeviceInstanzAz() override;

    int DeviceRessourceCheckVerbindungen(TDataBasis *object, long subGroupId, bool) override;
    int CreateNewDevice(int) override;
    int UserDeviceMessage(int window, RDeviceRequest *request) override;
    // Serves the default name (code 15) for now.
    int UserDeviceMessage2(int window, RDeviceRequest *request) override;
    AnsiString GetVersion() override;
    bool VersionCheck(AnsiString version, bool show) override;
    int GetCopyData(TDataBasis *object, TStringList *lines) override;
    void InitDataMainStruktur() override;
    int Einfuegen(TDataBasis *object, TStringList *lines) override;
    bool CopyDBDatenToStruktur(std::list<int> &handles) override;
    void CopyStrukturDatenToDB(TDatenManager<TDatenStruktur> *store,
                               TMemoryStream *stream) override;
    int CheckForDeleteGlobalDeviceObjects(bool) override;
    int Reset(bool) override;
    bool DatenAbgleich(bool, bool) override;
    int ImportAbgleichDB() override;
    int EreignisspeicherAuslesen() override;
    int DownloadAzHwDateTime() override;
    int MelderHinzufuegen() override;
    bool MelderLoeschen() override;
    std::list<int> *GetGrpAdrUsedFromMelder(std::list<int> &out) override;
    void ClearListGrpAdrUsedFromMelder() override;
    void SortiereListGrpAdrUsedFromMelder() override;
    bool ClearMelderGrpAdrFromList(int subGroupId) override;
    bool SetMelderGrpAdrToList(int subGroupId) override;
    void SetMelderHinzufuegenAbbrechen() override;
    bool CheckObjektAlarmReset() override;
    bool CheckObjekteMelder() override;
    bool CheckObjektMeldertest() override;
    bool CheckObjekteScharfschaltEingang() override;
    int CheckGrpAddrUsedFromMelder(AnsiString text, int) override;
    // Every object writes its device parameters, in handle order. False at once, after a box,
    // for an object of an unknown type; false when an object's write was refused.
    bool WriteDataToDb() override;
    // Clears every detector's device parameters; false when one was refused.
    bool ClearDbDataExistingMelder() override;
    bool LinkToSubGroup(long subGroupId, int handle, bool inEts) override;
    int LinkAzObjToEtsSubGroup(TDataBasis *object, long subGroupId) override;
    bool UnLinkFromSubGroup(long subGroupId, long deviceObjectId) override;
    int VumaImport(TMemoryStream *stream, bool) override;

    // The standard tree name of an object; true exactly when a name was set.
    bool GetDefaultName(TDataBasis *object, AnsiString *name);

    int GetAnzahlMelder() const { return FAnzahlMelder; }

private:
    TAzMelder *FNeuMelder = nullptr; // borrowed; used when detectors are added
    int FAnzahlMelder = 0;
    bool FMelderHinzufuegenAbbrechen = false;
    std::array<bool, 4> FQuittierungUeg{};
    std::array<bool, 4> FAlarmierungUeg{};
    bool FReserveFlag = false;
    std::list<int> FMelderNrUsed;
    std::map<int, int> FGrpAdrUsedFromMelder;
    std::array<std::list<int>, 4> FSaboMelder;
    std::array<std::list<RPhysAdr>, 4> FPhysAdrUsed;
    int32_t FVersionMajor = 1;
    int32_t FVersionMinor = 1;
    AnsiString FVersionTyp;
    AnsiString FVersionFormat;
};
