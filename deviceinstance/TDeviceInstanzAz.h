// The alarm panel's device instance: the panel-specific members (detector numbering, the
// lists of the alignment pass, the data format's version) and the bodies of the virtual
// operations. Records become objects through the factory (AzFabrik) and go back into the
// configuration data block through CopyStrukturDatenToDB; a device without a block gets the
// panel's default tree (TDeviceInstanzAzBaum.cpp). Detectors are numbered, made and deleted in
// TDeviceInstanzAzMelder.cpp, the objects' requests are served in
// TDeviceInstanzAzAnfragen.cpp, the alignment pass after a load is TDeviceInstanzAzAbgleich.cpp,
// copy and paste of a detector TDeviceInstanzAzKopie.cpp, the reset TDeviceInstanzAzReset.cpp.
//
// The event-memory read-out is TDeviceInstanzAzEreignis.cpp, the clock download
// TDeviceInstanzAzUhr.cpp (both over TEibZugriff), the panel's link rules
// TDeviceInstanzAzLinks.cpp, the project's devices by physical address
// TDeviceInstanzAzPhysAdr.cpp, the checks before leaving TDeviceInstanzAzPruefung.cpp, the
// import of exported project data TDeviceInstanzAzImport.cpp. The resource check before every
// link is the panel's (TDeviceInstanzAzRessourcen.cpp).
#pragma once

#include "deviceinstance/RPhysAdr.h"
#include "deviceinstance/TDeviceInstanz.h"
#include "deviceinstance/TRecGroupAddrInfo.h"
#include "platform/busobjects/TObjektBasis.h"

#include <array>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <vector>

class TAzAnzeige;
class TAzEditierbareTexte;
class TAzMelder;
class TAzOrdnerAnzeige;
class TAzScharfschaltungSsb;
class TAzSystem;

class TDeviceInstanzAz : public TDeviceInstanz {
public:
    // A switching device of an arming area (number, physical-address text, name).
    using RPhysAdr = ::RPhysAdr;

    TDeviceInstanzAz(TFormMainDienste *main, const DAL_DEVICE *device, TFormVerwDienste *verw);
    ~TDeviceInstanzAz() override;

    int DeviceRessourceCheckVerbindungen(TDataBasis *object, long subGroupId, bool) override;
    // The default tree of a new panel, its device parameters written; 0 when InitData failed.
    int CreateNewDevice(int) override;
    // The requests of the panel objects (1133 and 1161); non-zero = done.
    int UserDeviceMessage(int window, RDeviceRequest *request) override;
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

    // --- Copy and paste of a detector (TDeviceInstanzAzKopie.cpp).
    void GetAllChildData(TDataBasis *object, TStringList *lines);
    // Pastes every object below from the first clipboard record of its type; false when one
    // had no record or refused its paste.
    bool PasteDataToAllChilds(TDataBasis *object, TDatenManager<TDatenStruktur> *store,
                              AnsiString text);

    // --- Import of exported project data (TDeviceInstanzAzImport.cpp).
    // A group-address word's main, middle and sub group (two levels: middle 0, an 11-bit sub
    // group); word 0 gives 0/0/0.
    static void GetMainMiddleAndSubGroupAddr(int wort, bool dreiStufig, uint16_t &main,
                                             uint16_t &middle, uint16_t &sub);
    // The group addresses the check asked for, made in the project; false after a box at the
    // first that cannot be made.
    bool ImportCreateNewGroupAddresses(const std::vector<RecNewGroupAddr> &list);
    // The words of the check's map taken into the communication objects' records and the
    // records under them: each record's new word from its imported word, in one pass (wanted
    // word 0: Param14 and Param15 cleared).
    static void GruppenAdressWorteUmsetzen(TDatenManager<TDatenStruktur> &store,
                                           const std::map<int, TRecGroupAddrInfo> &map);
    // The bus tool's side rebuilt from the imported records and the records loaded as the
    // device's tree; false when a step failed (the others still ran).
    bool VumaImportAbgleich(TDatenManager<TDatenStruktur> *store, bool check);

    // The standard tree name of an object; true exactly when a name was set.
    bool GetDefaultName(TDataBasis *object, AnsiString *name);

    // --- The tree (TDeviceInstanzAzBaum.cpp). The window is the handle every new object
    // keeps; with tree set the new object also gets its node in the project window. Each
    // answers true when it made the object, or found it where its row says so.
    bool CreateAzEditierbareTexte(HWND window, TDataBasis *parent, bool tree);
    bool CreateAzOrdnerSicherungsBereich(HWND window, TDataBasis *parent, bool tree);
    bool CreateSicherungsBereichFeuer(HWND window, TDataBasis *parent, bool tree);
    bool CreateSicherungsBereichUeberfall(HWND window, TDataBasis *parent, bool tree);
    bool CreateAzSabotageKontakt(HWND window, TDataBasis *parent, bool tree);
    bool CreateSicherungsBereich1(HWND window, TDataBasis *parent, bool tree, int typ);
    bool CreateAzOrdnerScharfschaltung(HWND window, TDataBasis *parent, bool tree);
    bool CreateScharfschaltBereich(HWND window, TDataBasis *parent, bool tree, int typ);
    bool CreateScharfschaltungSsb(HWND window, TDataBasis *parent, bool tree, int bereich);
    bool CreateScharfUnscharfQuittierungSsb(HWND window, TDataBasis *parent, bool tree,
                                            int bereich);
    bool CreateAzOrdnerAlarmierung(HWND window, TDataBasis *parent, bool tree);
    bool CreateAzAlarmierung(HWND window, TDataBasis *parent, bool tree, int typ);
    bool CreateAzAlarmdauer(HWND window, TDataBasis *parent, bool tree);
    bool CreateAzEibObjekteZurAlarmierung(HWND window, TDataBasis *parent, bool tree);
    bool CreateAzOrdnerAnzeige(HWND window, TDataBasis *parent, bool tree);
    bool CreateAzAnzeige(HWND window, TDataBasis *parent, bool tree, int index, uint32_t variante);
    bool CreateAzOrdnerSicherheitStoerung(HWND window, TDataBasis *parent, bool tree);
    bool CreateAzEibAlarmSystemSicherheit(HWND window, TDataBasis *parent, bool tree);
    bool CreateAzVerhaltenDurchUegRBeiScharf(HWND window, TDataBasis *parent, bool tree,
                                             int selector);
    bool CreateAzDatumUhrzeit(HWND window, TDataBasis *parent, bool tree);

    // Removing the parts of an area; each answers true also when there was nothing to remove
    // (DeleteScharfschaltungSsb and DeleteScharfUnscharfQuittierungSsb: false then).
    // DeleteSicherungsBereich keeps an area whose detectors could not all be deleted (false).
    bool DeleteSicherungsBereich(TDataBasis *folder, int typ);
    bool DeleteScharfschaltBereich(TDataBasis *folder, int typ);
    bool DeleteScharfschaltungSsb(TDataBasis *area);
    bool DeleteScharfUnscharfQuittierungSsb(TDataBasis *area);
    bool DeleteAzAlarmierung(TDataBasis *folder, int typ);
    bool DeleteAzAnzeige(TDataBasis *folder, int index);
    // Applies a new configuration variant: makes what is missing, removes what is gone;
    // areas := its number of areas. False when a step failed (the others still ran).
    bool ModifyVarianteAz(HWND window, TDataBasis *sbFolder, int &areas, uint32_t variante,
                          TDataBasis *anzeigeFolder, TDataBasis *alarmFolder, TDataBasis *ssFolder);
    bool ModifyAzAnzeige(HWND window, TDataBasis *anzeigeFolder, uint32_t variante);
    // Before a variant drops security areas: their detectors that a switching device keeps as
    // its sabotage input. The user is asked for each, as deleting one asks; at the first No
    // nothing is changed (false), else each such assignment is let go (true).
    bool SaboSeZuordnungenFreigeben(TDataBasis *sbFolder, uint32_t variante);

    // Lookups; null when there is none.
    TAzEditierbareTexte *GetPointerInstEdtitierbareTexte(HWND window, TDataBasis *parent);
    TDataBasis *GetPointerInstOrdnerAlarmierung(TDataBasis *parent);
    TDataBasis *GetPointerInstOrdnerSB(TDataBasis *parent);
    TDataBasis *GetPointerInstOrdnerSS(TDataBasis *parent);
    TAzOrdnerAnzeige *GetPointerInstOrdnerAnzeige();
    TAzSystem *GetPointerInstAzSystem();
    TAzScharfschaltungSsb *GetPointerInstScharfschaltungSsb(int bereich);
    TDataBasis *GetPointerInstScharfschaltBereich(int16_t typ);
    TAzMelder *GetPointerInstMelder(int nummer);
    TAzMelder *GetPointerVerdrahteterMelder();
    TAzAnzeige *GetPointerInstAnzeige(TDataBasis *anzeigeFolder, int index);
    // The root's configuration variant (0 without a root).
    uint32_t RootVariante();
    // The objects whose records hang under the parent, in record order.
    std::vector<TDataBasis *> GetKinder(TDataBasis *parent);

    // --- Detectors (TDeviceInstanzAzMelder.cpp).
    // The smallest free number 1 to 160, now in use; 0 when all are used.
    int GetNextFreeMelderNr();
    // A detector of kind 0 to 6 under the parent (kind 2: the wired panel input).
    bool CreateAzMelder(HWND window, TDataBasis *parent, bool tree, int kind);
    TAzMelder *CreateAzMelderForPaste(HWND window, TDataBasis *parent, bool tree, int kind);
    bool DeleteAzMelder(TAzMelder *melder);
    // Every detector of a security area; false while one of them remains.
    bool DeleteAzAlleMelderSb(TDataBasis *area);
    bool DeleteVerdrahteterMelder(TAzMelder *melder);
    // Status bar: panel 2 the detectors in use, panel 3 the free numbers.
    void ModifyAzStatusleisteAnzahlMedler();
    // The sabotage inputs and switching-device addresses of arming area 1 to 4.
    bool SetMelderSaboSeToList(int nummer, int bereich);
    bool ClearMelderSaboSeFromList(int nummer, int bereich);
    bool UpdatePhysAdrUsedSsbFromList(int neu, int alt, int bereich);
    // "SSB1 / SSB3": the arming areas whose transmission-device flag is set.
    AnsiString CreateStrUeGScharfUsedFromSsb(AnsiString &out) const;
    AnsiString CreateStrUeGEinbruchUsedFromAlarmierung(AnsiString &out) const;
    // A typed group address normalised to "main/sub" or "main/middle/sub"; empty when it
    // cannot be.
    static void StringToSearchGrpAddr(AnsiString text, const AnsiString &separator,
                                      AnsiString &result, int levels);

    // --- Physical addresses of the project's devices (TDeviceInstanzAzPhysAdr.cpp).
    using TDeviceInstanz::GetPhysAdr;
    // The device's address as text and value; false (outputs unchanged) when a look-up failed.
    bool GetPhysAdr(long deviceId, AnsiString &text, uint16_t &value);
    static void PhysAdrMergeToInt(uint16_t &value, int area, int device, int line);
    // The other devices linked with those group addresses, each once, in device-id order; the
    // panel itself never. A failing look-up ends the search with the devices found so far.
    std::vector<RPhysAdr>
    GetDevicePhysAdrLinkedWithGrpAdr(const std::vector<TObjektBasis::RecGrpAdrId> &links);
    bool GetDeviceObjectIds(long subGroupId, std::list<long> &objectIds);
    bool GetDeviceIds(std::list<long> &deviceIds, const std::list<long> &objectIds);
    bool GetDevicesPhysAdr(std::vector<RPhysAdr> &devices, const std::list<long> &deviceIds);
    // Arming area k's switching devices against the devices its arming input reaches: a
    // device found joins the area's list, one missing may be cleared after a question.
    void CheckPhysAdrSeExist(int bereich, TAzScharfschaltungSsb *ssb);

    // --- Event memory read-out (TDeviceInstanzAzEreignis.cpp); the clock download is
    // TDeviceInstanzAzUhr.cpp.
    // "AA.LL.DDD" as a 16-bit physical address; 0 when a part is not a number or out of range.
    static uint16_t MergeGrpAdrStringToWord(const AnsiString &text);
    static uint16_t SwapWord(uint16_t value);
    // The PC's date and time: "dd.mm.yy / hh:nn:ss Uhr".
    static AnsiString GetPcDateTimeString();
    // False exactly when the record's eight bytes are all 0xFF (an empty slot).
    static bool CheckEreignisExist(const unsigned char *first4, const unsigned char *last4);
    static bool CheckDateAndBuildString(int day, int month, AnsiString &text, int year);
    static bool CheckTimeAndBuildString(int hour, int minute, AnsiString &text, int second);
    // The kind's text (bits 0-5 of the byte) and what the participant column shows: the
    // detector (melder left as the caller set it), a sub-code, or neither.
    static AnsiString GetTextEreignisart(uint8_t kind, bool &melder, AnsiString &text,
                                         bool &subCode);
    // The text of detector n (162: the wired input); empty when there is none.
    AnsiString GetMeldertext(int nummer);
    // The arming area (0-4) and its text of event memory A's record `index`.
    void GetTextSsb(int index, int &bereich, AnsiString &text);
    // The lines in date and time order, the oldest first; false when a date or time does not
    // parse (the lines not placed are appended unsorted).
    static bool SortiereEreignisse(const TStringList &input, TStringList &output);
    // result 1: a earlier, 2: later, 0: equal; false when either does not parse.
    static bool CompareDate(const AnsiString &a, const AnsiString &b, int &result);
    static bool CompareTime(const AnsiString &a, const AnsiString &b, int &result);
    static void AddEreignisse(TStringList &target, const TStringList &source);

    // --- Checks before leaving (TDeviceInstanzAzPruefung.cpp).
    // The group addresses linked to that communication object (none when it does not exist).
    void CheckObjektLinkedToGrpAdr(int objectNumber, std::vector<TObjektBasis::RecGrpAdrId> &links);

    int GetAnzahlMelder() const { return FAnzahlMelder; }
    const std::list<int> &GetMelderNrUsed() const { return FMelderNrUsed; }
    const std::list<int> &GetSaboMelder(int bereich) const { return FSaboMelder.at(bereich - 1); }
    const std::list<int> &GetPhysAdrUsed(int bereich) const { return FPhysAdrUsed.at(bereich - 1); }
    bool GetQuittierungUeg(int bereich) const { return FQuittierungUeg.at(bereich - 1); }
    bool GetAlarmierungUeg(int bereich) const { return FAlarmierungUeg.at(bereich - 1); }
    bool GetMelderHinzufuegenAbbrechen() const { return FMelderHinzufuegenAbbrechen; }

private:
    // The used-number, detector group-address, sabotage and used-address lists and the eight
    // transmission-device flags, all empty.
    void LeereListenUndFlaggen();
    // The lines around the records of a data block (the "Version" section, the "DB" tags).
    void DatenBlockRahmen(TStringList &before, TStringList &after);
    // The import's group-address check, the addresses it asked for made and the words taken
    // into the records; false when the user cancelled.
    bool GruppenAdressenPruefen(TDatenManager<TDatenStruktur> &store);
    // The links of an imported communication object's record and its chain made in the bus
    // tool; a link that cannot be made is cleared in its record (false).
    bool ImportVerbindungen(TDatenManager<TDatenStruktur> &store, TDatenStruktur &record);
    // A new object of that type under the parent, with its default name, or null after a box.
    std::unique_ptr<TDataBasis> NeuesObjekt(HWND window, TDataBasis *parent, int typ,
                                            const AnsiString &name);
    // Registers a new object (position id, record, handle map, node) and answers it, now
    // borrowed; null when it could not be entered. A detector's node goes to the active
    // project window.
    TDataBasis *Registriere(std::unique_ptr<TDataBasis> object, TDataBasis *parent, int posId,
                            bool tree);
    void KopiereKette(int system, int owner, TDatenStruktur *record, TStringList *lines);
    // A new object that is not entered: the record a setter may have written goes with it.
    void Verwirf(std::unique_ptr<TDataBasis> object);
    // Removes an object: its records, its node, the object itself.
    void Entferne(TDataBasis *object);
    // The first child of that type, or null.
    TDataBasis *KindVomTyp(TDataBasis *parent, int typ);
    // Makes, prepares (vorbereiten false: discarded, null) and registers an object.
    TDataBasis *ErzeugeObjekt(HWND window, TDataBasis *parent, bool tree, int typ,
                              const AnsiString &name, int posId,
                              const std::function<bool(TDataBasis &)> &vorbereiten = {});
    // A row of the tree with a fixed name and position: made unless a child of its type is
    // there (ergebnis then the row's answer).
    TDataBasis *ErzeugeZeile(HWND window, TDataBasis *parent, bool tree, int typ, bool &ergebnis);
    TAzMelder *ErzeugeMelder(HWND window, TDataBasis *parent, bool tree, int kind, bool paste);
    // The arming settings that keep the detector as a switching device's sabotage input; null
    // when none does.
    TAzScharfschaltungSsb *SaboSeHalter(const TAzMelder &melder);
    // The question before such an assignment goes; true on Yes.
    bool SaboSeFreigabeBestaetigt();
    // Switches on the bus objects that the parameter gives a new object; while a new tree is
    // made, one that lacks them is kept for the box at its end.
    void ErzeugeBusObjekte(TDataBasis &object, int parameter);
    // Every object writes its device parameters; the names of those that could not go into
    // fehlend (when given).
    bool ParameterSchreiben(std::vector<AnsiString> *fehlend);
    void GibMelderNrFrei(int nummer);
    // The objects of one type, in handle order.
    template <class T> std::vector<T *> ObjekteVomTyp(int typ);
    // The answers to the dialog requests (1133).
    int VarianteDialog(RDeviceRequest &request);
    int PhysAdrSeDialog(RDeviceRequest &request);
    int AnzeigeDialog(RDeviceRequest &request);
    // The panel's signalling texts.
    static AnsiString BereichsText(const std::array<bool, 4> &flags);

    int FAnzahlMelder = 0;
    bool FMelderHinzufuegenAbbrechen = false;
    std::array<bool, 4> FQuittierungUeg{};
    std::array<bool, 4> FAlarmierungUeg{};
    bool FErzeugen = false; // while CreateNewDevice runs: no progress dialog for an area
    // Set when an object of the tree being made lacks its bus objects; the names of those
    // that no box has named yet.
    bool FErzeugtUnvollstaendig = false;
    std::vector<AnsiString> FOhneBusObjekte;
    // A dialog of that kind is open (its request answers 0 meanwhile).
    bool FDialogVariante = false;
    bool FDialogAnzeige = false;
    bool FDialogPhysAdr = false;
    bool FDialogMelderHinzufuegen = false;
    std::list<int> FMelderNrUsed;
    std::list<int> FGrpAdrUsedFromMelder;
    std::array<std::list<int>, 4> FSaboMelder;
    std::array<std::list<int>, 4> FPhysAdrUsed;
    int32_t FVersionMajor = 1;
    int32_t FVersionMinor = 1;
    AnsiString FVersionTyp;
    AnsiString FVersionFormat;
};
