// One alarm-panel device of the bus tool's project while the editor works on it: its
// configuration records (the record maps and the record tree), the panel's object tree (owned
// here by record handle, reached through the root object), the configuration data block read
// from and written to the bus tool, the group-address tree, the device-parameter writer and the
// device's file paths. The main window keeps one instance per device and drives it through the
// 41 virtual operations below, in their order; TDeviceInstanzAz is the concrete class.
//
// Records are held by value. The record an object edits is the copy in the record tree
// (system -> parent -> records); GetDatenSatz hands out pointers to it and never answers null:
// asking for a record that does not exist makes it.
#pragma once

#include "deviceinstance/TFormVerwDienste.h"
#include "foundation/TDatenStruktur.h"
#include "platform/busobjects/TSubGroupObjekt.h"
#include "platform/bustool/DalRecords.h"
#include "platform/vcl/AnsiString.h"
#include "platform/vcl/Streams.h"

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

class TDataBasis;
class TEibHandle;
class TEts2Cdi;
class TEtsDeviceParam;
class TEtsGruppenAdressen;
class TEtsMainGroup;
class TEtsMiddleGroup;
class TEtsObjekt;
class TEtsProgressDialog;
class TEtsSubGroup;
class TFormMainDienste;
class TGrpAdrOrdner;
class TObjektBasis;
class TStringList;
class TVumaGrpAdrMain;
class TVumaGrpAdrMiddle;
class TVumaGrpAdrSub;
struct RDeviceRequest;
struct RObjektFlag;
template <class T> class TDatenManager;

class TDeviceInstanz {
public:
    // Where the configuration comes from.
    enum : uint8_t { dsFile = 0, dsStream = 1 };
    // Records under one parent of one system, in the order they were entered.
    using TParentMap = std::multimap<int, TDatenStruktur>;
    using TChildRange = std::pair<TParentMap::iterator, TParentMap::iterator>;
    // Four texts of the bus tool about the device (GetDeviceEtsInfo).
    struct TDeviceEtsInfo {
        AnsiString ProductText; // the device record's text at byte 198
        AnsiString DeviceName;  // its text at byte 34
        AnsiString ProjectName;
        AnsiString PhysAdr;
    };
    // One object linked to a sub group (GetObjektDataFromSubGroup); the request of a sub group
    // carries these rows, so the bus-object library holds the type.
    using TSubGroupObjekt = ::TSubGroupObjekt;

    TDeviceInstanz(TFormMainDienste *main, const DAL_DEVICE *device, TFormVerwDienste *verw);
    TDeviceInstanz(const TDeviceInstanz &) = delete;
    TDeviceInstanz &operator=(const TDeviceInstanz &) = delete;

    // The 41 virtual operations, in their order.
    virtual int DeviceRessourceCheckVerbindungen(TDataBasis *object, long subGroupId, bool) = 0;
    virtual bool IsReady(bool);
    virtual ~TDeviceInstanz();
    virtual int CreateNewDevice(int) = 0;
    virtual int UserDeviceMessage(int window, RDeviceRequest *request) = 0;  // 1133
    virtual int UserDeviceMessage2(int window, RDeviceRequest *request) = 0; // 1161
    virtual AnsiString GetVersion() = 0;
    virtual bool VersionCheck(AnsiString version, bool show) = 0;
    virtual int GetCopyData(TDataBasis *object, TStringList *lines) = 0;
    virtual void InitDataMainStruktur() = 0;
    virtual int Einfuegen(TDataBasis *object, TStringList *lines) = 0;
    virtual bool CopyDBDatenToStruktur(std::list<int> &handles) = 0;
    virtual void CopyStrukturDatenToDB(TDatenManager<TDatenStruktur> *store,
                                       TMemoryStream *stream) = 0;
    virtual int CheckForDeleteGlobalDeviceObjects(bool) = 0;
    virtual int Reset(bool) = 0;
    virtual bool DatenAbgleich(bool, bool) = 0;
    virtual int ImportAbgleichDB() = 0;
    virtual int EreignisspeicherAuslesen() = 0;
    virtual int DownloadAzHwDateTime() = 0;
    virtual int MelderHinzufuegen() = 0;
    virtual bool MelderLoeschen() = 0;
    virtual std::list<int> *GetGrpAdrUsedFromMelder(std::list<int> &out) = 0;
    virtual void ClearListGrpAdrUsedFromMelder() = 0;
    virtual void SortiereListGrpAdrUsedFromMelder() = 0;
    virtual bool ClearMelderGrpAdrFromList(int subGroupId) = 0;
    virtual bool SetMelderGrpAdrToList(int subGroupId) = 0;
    virtual void SetMelderHinzufuegenAbbrechen() = 0;
    virtual int UserObjectMessage(int, int);
    virtual bool KonvertiereVersion(TMemoryStream *stream, AnsiString version);
    virtual void SetzeWert(int);
    virtual bool CheckObjektAlarmReset() = 0;
    virtual bool CheckObjekteMelder() = 0;
    virtual bool CheckObjektMeldertest() = 0;
    virtual bool CheckObjekteScharfschaltEingang() = 0;
    virtual int CheckGrpAddrUsedFromMelder(AnsiString text, int) = 0;
    virtual bool WriteDataToDb() = 0;
    virtual bool ClearDbDataExistingMelder() = 0;
    virtual bool LinkToSubGroup(long subGroupId, int handle, bool inEts);
    virtual int LinkAzObjToEtsSubGroup(TDataBasis *object, long subGroupId) = 0;
    virtual bool UnLinkFromSubGroup(long subGroupId, long deviceObjectId);
    virtual int VumaImport(TMemoryStream *stream, bool);

    // The root object (not owned here: it is one of the objects by handle).
    void SetDevice(TDataBasis *root);
    TDataBasis *GetDevice() const;
    void SetPointerEdtitierbareTexte(TDataBasis *texts);
    TDataBasis *GetPointerEdtitierbareTexte() const;

    // The configuration data block.
    bool GetDataFromServer(int creation, bool refresh);
    // True when the bus tool stored the block.
    bool WriteBlob();
    // Copies the contents of the section `name` of input into output at its position.
    void ParseData(TMemoryStream &input, TMemoryStream &output, const AnsiString &name);
    // The version text of a data block (its "Version" section's "Version=" value; empty when
    // it has none).
    AnsiString GetBlockVersion(TMemoryStream &block);
    void ClearDatenStream();
    TMemoryStream &GetDatenStream() { return *FDatenStream; }
    TMemoryStream &GetCompDataStream() { return *FCompDataStream; }

    // The record maps and the objects. InitData reads the records from the data stream
    // (CopyDBDatenToStruktur), builds the handle table and lets the factory make the objects;
    // memory running out throws code 2. ClearDataMaps drops records and objects.
    bool InitData();
    void ClearDataMaps();
    // Enters one record into every map; a handle held already keeps the first record.
    void FillDataMaps(TDatenStruktur &record);
    TDataBasis *FindHandle(int handle) const;
    bool GetDataPointer(int handle, TDataBasis *&object) const;
    // The record in the record tree (parent -1: under any parent), made when missing.
    TDatenStruktur *GetDatenSatz(int system, int parent, int handle);
    TDatenStruktur *GetDatenSatz(TDataBasis *object);
    // The record and the chain behind it (its Next, hanging under its handle).
    void DeleteDatenSatzAndNext(TDataBasis *object);
    void DeleteDatenSatzAndNext(int system, int parent, int handle);
    // The chain that starts at handle, all under parent, the last record first.
    void DeleteNextDatenSatz(int system, int parent, int handle);
    // One record out of the record tree; a system without records throws code 4.
    void DeleteDatensatz(TDatenStruktur *record);
    // The records under the object's handle in its system (codes 5 and 4 for no object and
    // an unknown system).
    TChildRange &GetChildIteratorPair(TDataBasis *object, TChildRange &out);
    // The handle of the object's first child record that is not a chained record, or 0.
    int GetFirstChild(TDataBasis *object);
    // Takes the object over (true); a null object throws code 6. An object whose handle is
    // held already is not entered (false): it stays with the caller, who deletes it.
    bool SetPointer2List(std::unique_ptr<TDataBasis> &object);
    bool DeletePointerFromList(TDataBasis *object);
    const TObjektMap &GetObjekte() const { return FObjekte; }
    // The record tree, walked system by system, parent by parent (the data block's order).
    const std::map<int, std::unique_ptr<TParentMap>> &GetDatenTree() const { return FDatenTree; }
    const std::multimap<int16_t, TDatenStruktur> &GetDatenByTyp() const { return FDatenByTyp; }
    size_t GetDatenByHandleCount() const { return FDatenByHandle.size(); }
    size_t GetDatenByParentCount() const { return FDatenByParent.size(); }
    TEibHandle *GetHandleTable() const { return FHandleTable.get(); }

    // What the bus tool knows of the device.
    AnsiString GetPhysAdr(long deviceId);
    TDeviceEtsInfo &GetDeviceEtsInfo(TDeviceEtsInfo &out);
    TEtsDeviceParam *GetEtsDeviceParam();

    // --- The group-address tree (TDeviceInstanzGrpAdr.cpp). Group objects are kept by the bus
    // tool's group id: main groups in one map, middle and sub groups in the other.
    // "M/m/S" (three levels) or "M/S", every word, 0 included; bit 15 is not part of it.
    static AnsiString GetGroupAddressString(short word, bool threeLevel);
    // Reads the project's tree anew and rebuilds every group object (the project windows drop
    // their group nodes first and rebuild them after); false when the tree cannot be read.
    bool GetGrpAdrFromServer();
    // The tree's reader, read on first use; null when it cannot be read (the next call tries
    // again).
    TEtsGruppenAdressen *GetGrpAdrOrdner();
    // The group-address folder (null until the tree was read).
    TGrpAdrOrdner *GetGrpAdrFolder() const;
    // The objects of the middle and sub groups under the main groups, for ids not yet held.
    void MakeMidSubAdrGrp();
    // A new group address in the project and in the tree; the rebuild of the project windows'
    // group nodes is left to the main window. Null when it cannot be made.
    TVumaGrpAdrSub *CreateGrpAddr(short a, short b, short c, const AnsiString &name);
    // A new group address, its nodes in the active project window, and the object (if given)
    // linked to it.
    void CreateGrpAdr(TObjektBasis *object, short a, short b, short c, const AnsiString &name);
    bool InsertGrpAddr(uint16_t word, TEtsSubGroup *subGroup);
    bool InsertGrpAdr(uint16_t word, TEtsSubGroup *subGroup);
    // The reader's groups of the sub group whose word is `word`; false when none has it.
    bool InsertGrpAdr(short word, TEtsMainGroup *&main, TEtsMiddleGroup *&middle,
                      TEtsSubGroup *&sub);
    // A proposal for a new address; threeLevel tells its form.
    AnsiString GetNextHighestAndFreeGrpAdr(bool &threeLevel);
    // The sub group of that word and whether its type fits an object of objectType (its bus
    // type + 1); false with the message when it does not, false with id untouched when no
    // sub group has the word.
    bool KonvertEtsGAId(int &id, short word, AnsiString &message, int objectType);
    // The bus tool's id of the sub group with that word (0 and false when none).
    bool GetGaIdFromGaWord(short word, int &id);
    // The sub-group id of every link of every communication object, once per link.
    void GetAllUsedGAIds(std::list<int> &ids);
    // The objects linked to a sub group, one row each; 1.
    int GetObjektDataFromSubGroup(TVumaGrpAdrSub *subGroup, std::list<TSubGroupObjekt> &rows);
    // The object's flag operation (SetObjFkt) by handle; false for an unknown handle.
    bool SetObjFktToData(int handle, bool value);
    // Makes the link of a device object to a sub group the sending one, or clears its flag.
    bool GrpAdrSendend(long objectId, long subGroupId, bool sending);
    const TObjektMap &GetMainGroups() const { return FMainGroups; }
    const TObjektMap &GetMidSubGroups() const { return FMidSubGroups; }

    // --- The links refreshed from the bus tool (TDeviceInstanzAssoziationen.cpp).
    // A sub group's id and word, read once (main, middle and sub group) and then cached until
    // the root is set again; false, with "\nSubGroupId not found: " and the id (or the middle
    // or main group's) added to error, when a read fails.
    using TSubGroupInfo = std::pair<int, uint16_t>;
    bool GetSubGroupAddressInfo(int subGroupId, TSubGroupInfo &out, AnsiString &error);
    // The device object's links as the bus tool holds them, the sending one first; false when
    // a sub group could not be read (the others are still listed) or the links could not be
    // listed (none then).
    bool GetEtsAssociationTable(int objectId, std::list<TSubGroupInfo> &out, AnsiString &error);
    // Every communication object takes its links from the bus tool (one whose links the bus
    // tool could not list keeps its own); false after one detail box when a table could not be
    // read.
    bool UpdateObjectAssociations();
    // Every communication object takes its links' words anew; false after one detail box
    // naming the objects whose sub group is unknown.
    bool UpdateGroupAddressFromId();

    // --- Links of communication objects to sub groups (TDeviceInstanzLinks.cpp).
    bool GetGrpAdrDataPointer(long subGroupId, TDataBasis *&node);
    // 1 when every link was removed; 0 at the first refusal or for no communication object.
    int UnLinkAllSubGroups(TDataBasis *object);
    // The object's local link goes, its record is written again and its node's icon renewed.
    void RemoveObjektVerbindung(long subGroupId, long deviceObjectId);
    // 1 when the object has a link; throws Exception for no communication object.
    int CheckObjectVerbunden(TDataBasis *object);
    TEtsObjekt *GetObjectFromDeviceObjectId(long deviceObjectId) const;
    TEtsObjekt *GetObjectFromObjectNr(long objectNumber) const;
    bool GetGrpAdrNr(long subGroupId, AnsiString &text);
    bool GetGrpAdrNrAsZahl(long subGroupId, int &value);
    bool ChangeObjektFlag(const RObjektFlag &request);
    // Throws Exception (after its box) when the flag cannot be compared.
    bool CheckObjektFlag(const RObjektFlag &request);
    // The group-address dialog of a communication object; false when it is none or a new link
    // failed.
    bool OpenDlgGrpAdrToObject(TDataBasis *object);

    // --- Communication objects switched on by device parameters (TDeviceInstanzObjekte.cpp).
    bool AddEtsObjectByDisplayOrder(int16_t parameterId, int32_t value, int32_t base,
                                    TDataBasis *parent, bool confirm);
    bool GetEtsObjectByDisplayOrder(int16_t parameterId, int32_t *value,
                                    std::list<TEtsObjekt *> &out);
    int CreateObjects(const std::vector<tagDAL_OBJECT_INFO> &list, int32_t base, TDataBasis *parent,
                      int16_t parameterId);
    int DeleteObjektInstanzen(const std::vector<tagDAL_OBJECT_INFO> &list);
    bool CheckObjectParamResult(int code, int16_t parameterId, int32_t value);
    void CreateEtsDBList(std::vector<DAL_DEVICE_PARAM> &params,
                         std::vector<DAL_DEVICE_OBJECT> &objects);
    bool GetEtsIdFromObjNr(const std::vector<DAL_DEVICE_PARAM> &params,
                           const std::vector<DAL_DEVICE_OBJECT> &objects, int number, int type,
                           long &commObjectId, long &deviceObjectId, long &parameterId);
    bool GetObjectNrFromParameterId(long reference, long value,
                                    const std::vector<DAL_DEVICE_OBJECT> &objects, int &number);
    // --- Import and copy through the bus tool (TDeviceInstanzCdiImport.cpp): records written
    // for another device of the bus tool take this device's ids. The dialog shows the steps
    // and may stop them (none: nothing shows, nothing stops); after a stop or a failure the
    // records stay as far as they were converted.
    enum : int { kKonvertImport = 0, kKonvertKopie = 1 };
    // The data block of the bus tool's export of a device; its links go by group-address word.
    bool VumaCdiImport(TMemoryStream *source, TEtsProgressDialog *progress);
    // Another device's data block, without links; the flag has no effect.
    bool VumaCdiCopy(TMemoryStream *source, uint8_t flag, TEtsProgressDialog *progress);
    // A reconstructed data block: the bus tool's objects are switched anew by its bus-object
    // records. True when every parameter was written; a block whose records do not read
    // changes nothing (false, after the box).
    bool ReconstructionItToolImport(TMemoryStream *stream, TEtsProgressDialog *progress);
    // Every communication object takes this device's ids; kKonvertImport converts its links
    // by word, kKonvertKopie drops them. False when an object was not found or stopped.
    bool KonvertEtsIds(int mode, TEtsProgressDialog *progress);
    // The links take the ids of this project's sub groups of their words; a word without one
    // is reported and its link dropped (missing := true). 0 only without an object.
    int KonvertEtsGAIds(TEtsObjekt *object, bool &missing);
    // The bus tool's links of the object that it does not hold are removed; 0 when the bus tool
    // refused one (after the box).
    int UnlinkUnknownGA(TEtsObjekt *object);
    bool LinkEtsAssociationToObjekt(TEtsObjekt *object);
    // Every object writes its record, in handle order; true when there was one.
    bool WriteAll();
    // The check of the bus tool's objects against the device's: every object of the
    // configuration must be switched on by a parameter above 0, and a parameter above 0 whose
    // object the configuration lacks is reset to 0. Each finding is shown at once, the outcome
    // at the end (a failure stays one even when a correction follows); 1.
    virtual int EtsObjektCheck();
    // While the device is reset, deleting linked objects asks nothing.
    void SetResetFlag(bool reset) { FResetFlag = reset; }
    bool GetResetFlag() const { return FResetFlag; }
    bool GetBestaetigung() const { return FBestaetigung; }

    // The main window's services (for the decoder of its messages).
    TFormMainDienste *GetFormMain() const { return FMain; }

    int32_t GetDeviceId() const { return FDeviceId; }
    const DAL_DEVICE &GetDeviceRecord() const { return FDevice; }
    const AnsiString &GetAutoSaveFile() const { return FAutoSaveFile; }
    const AnsiString &GetAutoSaveDir() const { return FAutoSaveDir; }
    const AnsiString &GetReconstructionFile() const { return FReconstructionFile; }
    const AnsiString &GetImageFile() const { return FImageFile; }
    void SetFormVerw(TFormVerwDienste *verw) { FVerw = verw; }
    TFormVerwDienste *GetFormVerw() const { return FVerw; }
    // The current configuration as the data block's text: written into the store and the
    // stream by CopyStrukturDatenToDB with the data source set to the stream for the call.
    void KonfigurationInStream(TDatenManager<TDatenStruktur> &store, TMemoryStream &stream);
    // One project window rebuilds its tree and group-address nodes from the instance.
    void AnsichtNeuAufbauen(TFormVerwDienste &verw);

protected:
    // Every project window rebuilds its tree and group-address nodes from the instance.
    void AnsichtenNeuAufbauen();
    // The root takes the device's physical address from the bus tool; its record is written.
    void RootPhysAdrSchreiben();
    // The current records written into the store (CopyStrukturDatenToDB with the data source
    // set to the stream for the call: the form that writes no file).
    void KonfigurationInStore(TDatenManager<TDatenStruktur> &store);
    HWND MainHandle() const;
    // The running program's folder, with its trailing slash (empty when unknown).
    AnsiString ProgrammOrdner() const;
    // Copies the data stream into the file named by [Debug] fileKey when [Debug] switchKey is
    // set and that file exists.
    void DebugKopie(const char *switchKey, const char *fileKey);
    // The first record with that handle in a system's inner map under parent (any parent
    // when negative), in key order; end() when none.
    TParentMap::iterator FindDatenSatz(TParentMap &inner, int parent, int handle);
    // Deletes the chain from handle on, deepest record first; a handle met before ends it.
    void DeleteKette(int system, int parent, int handle, std::set<int> &seen);
    // The bus tool's interface object, or null.
    TEts2Cdi *Cdi() const;
    bool ThreeLevel() const;
    // The group objects of a sub group and of its middle and main group, and which of them
    // EnterGrpAdr made.
    struct TGrpAdrEintrag {
        TVumaGrpAdrMain *Main = nullptr;
        TVumaGrpAdrMiddle *Middle = nullptr;
        TVumaGrpAdrSub *Sub = nullptr;
        bool NeuMain = false, NeuMiddle = false, NeuSub = false;
    };
    // Makes the objects whose ids are not held yet; false without a sub group or its groups.
    bool EnterGrpAdr(TEtsSubGroup *subGroup, TGrpAdrEintrag &eintrag);
    // The tree's reader when the id is a sub group's (not a main or middle group's), else null.
    TEtsGruppenAdressen *SubGroupReader(long subGroupId);
    // The project windows drop their group nodes (before the group objects go) or rebuild them.
    void GrpAdrKnotenEntfernen();
    void GrpAdrKnotenAufbauen();
    // The bus-object records (type 806) of the configuration as it stands, in record order.
    std::vector<TDatenStruktur> BusObjektDatensaetze();
    // The bus tool switches off the objects of each bus-object record; one it refuses is
    // reported (with those labels and that style) and passed over.
    void EtsObjekteEntfernen(const std::vector<TDatenStruktur> &records, const AnsiString &name,
                             const AnsiString &nummer, unsigned style);
    // A block written for another device becomes the configuration: the data stream, its
    // records and objects; the group-address tree read anew from the bus tool (or as read
    // before); the ids converted (mode of KonvertEtsIds). The stop is checked after loading and
    // after the tree only when asked for.
    bool BlockUebernehmen(TMemoryStream &source, TEtsProgressDialog *progress, int mode,
                          bool pruefen, bool baumNeuLesen);
    // The records of a data block's "DB" section; null, after the box, when one does not read.
    std::unique_ptr<TDatenManager<TDatenStruktur>> DBAbschnittLesen(TMemoryStream &block);
    // The box of a data block whose records do not read, with the store's message.
    void DatenFehlerBox(const AnsiString &message);
    // The object's record written from the object.
    void SchreibeDatensatz(TDataBasis *object);
    // The object's node in the device's project window takes the object's icon.
    void KnotenIconErneuern(TDataBasis *object);
    // The three reads of a device's physical address (its area's address, its line's number,
    // its own address); false when one of them failed.
    bool LiesPhysAdr(long deviceId, int &bereich, long &linie, long &teilnehmer);
    // "AA.LL.DDD".
    static AnsiString PhysAdrText(int bereich, long linie, long teilnehmer);
    // The communication object of the handle and the sub group of the id, as a link needs
    // them; false, after its box when melden is set, when one is missing or of another class.
    bool LinkPartner(long subGroupId, int handle, TEtsObjekt *&object, TVumaGrpAdrSub *&sub,
                     bool melden);
    // The link made in the bus tool (send 1: the object's sending one) and the sub group
    // typed after the object; false after its box when the bus tool refused.
    bool VerbindeImBusTool(TEtsObjekt *object, TVumaGrpAdrSub *sub, long subGroupId, short send);
    // The link entered on the object (with the sub group's word), its record and its node.
    void TrageLinkEin(TEtsObjekt *object, long subGroupId);
    // The link removed in the bus tool only: 0 the bus tool does not know it, 1 removed,
    // -1 refused.
    int UnLinkImBusTool(long subGroupId, long deviceObjectId);

    uint8_t FDataSrc = dsStream;
    bool FGroupsBuilt = false;
    std::unique_ptr<TEibHandle> FHandleTable;
    std::map<int, TDatenStruktur> FDatenByHandle;
    std::multimap<int16_t, TDatenStruktur> FDatenByTyp;
    std::multimap<int, TDatenStruktur> FDatenByParent;
    std::map<int, std::unique_ptr<TParentMap>> FDatenTree;
    std::unique_ptr<TEtsDeviceParam> FEtsDeviceParam;
    std::map<int, std::pair<int, uint16_t>> FSubGroupInfo;
    bool FResetFlag = false;
    bool FBestaetigung = true;
    TObjektMap FObjekte;
    int32_t FDeviceId = 0;
    int32_t FSpareId = -1;
    AnsiString FExceptionInfo;
    AnsiString FDataFileName;
    AnsiString FDeviceText;
    AnsiString FSecVersion;
    AnsiString FSecHeader;
    AnsiString FSecDB;
    AnsiString FSecCompData;
    TDataBasis *FRoot = nullptr;
    TFormMainDienste *FMain;
    TFormVerwDienste *FVerw = nullptr;
    DAL_DEVICE FDevice{};
    std::unique_ptr<TGrpAdrOrdner> FGrpAdrOrdner;
    std::unique_ptr<TEtsGruppenAdressen> FGruppenAdressen;
    std::unique_ptr<TMemoryStream> FDatenStream;
    TObjektMap FMainGroups;
    TObjektMap FMidSubGroups;
    std::unique_ptr<TMemoryStream> FCompDataStream;
    std::unique_ptr<TMemoryStream> FScratchStream;
    AnsiString FTagHeaderOpen, FTagHeaderClose, FTagDBOpen, FTagDBClose;
    AnsiString FTagVersionOpen, FTagVersionClose, FTagCompDataOpen, FTagCompDataClose;
    AnsiString FAutoSaveFile;
    AnsiString FAutoSaveDir;
    AnsiString FReconstructionFile;
    AnsiString FImageFile;
    TDataBasis *FEditierbareTexte = nullptr; // not owned: one of the objects by handle
};
