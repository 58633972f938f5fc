// The arming settings of one arming area (type 6136): the arming and alarm delays and up to four
// switching devices, bus devices identified by their physical address through which the area is
// armed and disarmed, each with the detector input that serves as its sabotage input. The
// device instance gives the object its area number (which picks the ten parameter ids), the
// detector numbers that qualify as sabotage inputs, and removes links when detectors change.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/AzParameterIds.h"
#include "objectmodel/TAzObjekt.h"

#include <cstdint>
#include <list>

namespace T_DB_EnumAzScharfschaltungSsb {
enum TEnumScharfschaltBereich : int8_t { eSsb1 = 1, eSsb2 = 2, eSsb3 = 3, eSsb4 = 4 };
} // namespace T_DB_EnumAzScharfschaltungSsb

class TAzScharfschaltungSsb : public TAzObjekt<TDataBasis, AzKlasse::ScharfschaltungSsb> {
public:
    using TEnumScharfschaltBereich = T_DB_EnumAzScharfschaltungSsb::TEnumScharfschaltBereich;

    // Row ids: the two delays, then per switching device k its address (1 + 2k) and, while it
    // has one, its sabotage input (2 + 2k).
    enum : int {
        RowScharfVerzoegerung = 1,
        RowAlarmVerzoegerung = 2,
        RowPhysAdrSe1 = 3,
        RowMelderNrSaboSe1 = 4,
        RowPhysAdrSe2 = 5,
        RowMelderNrSaboSe2 = 6,
        RowPhysAdrSe3 = 7,
        RowMelderNrSaboSe3 = 8,
        RowPhysAdrSe4 = 9,
        RowMelderNrSaboSe4 = 10,
    };
    static constexpr int KeineSabotage = 255; // sabotage number of "no sabotage input"

    TAzScharfschaltungSsb(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzScharfschaltungSsb() override;

    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    // The default name; false in every case, so that the alignment pass checks the switching
    // devices of this object.
    bool DatenAbgleich(bool, bool) override;
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // 21n10 arming delay, 22n10 alarm delay, 17n10 .. 17n40 addresses, 18n10 .. 18n40 sabotage
    // numbers for area n; false, nothing written, until the area's ids were set.
    bool WriteDataToDb();

    // n outside 1..4: false, nothing changes. Otherwise area number and ids of area n, true.
    bool SetScharfschaltBereich(TEnumScharfschaltBereich n);
    // SetScharfschaltBereich with the area number loaded from the record.
    bool InitScharfschaltungSsb();
    TEnumScharfschaltBereich GetScharfschaltBereich() const;

    // The detector numbers that may be chosen as sabotage inputs, in the device instance's order.
    void UpdateListeMelderNrSaboSeSb(std::list<int> numbers);
    // Appends the addresses of the switching devices that have one (not 0), 1 to 4; true.
    bool GetPhysikalischenAdressenSE(std::list<int> &out) const;
    // Switching device k (1..4): its address or 0, its address text or "".
    int GetPhysAdrSe(int k) const;
    AnsiString GetStringPhysAdrSe(int k) const;
    // Switching device k (1..4) no longer used: address 0, text "", no sabotage input. The
    // record is written for any k.
    bool ClearPhysAdrSeAndMelderNrSe(int k);
    // True when detector nr is the sabotage input of one of the switching devices.
    bool CheckMelderSaboSeLinked(int nr) const;
    // Every switching device whose sabotage input is detector nr gets 0 (not "no sabotage
    // input"); the record is written.
    bool UnlinkMelderNrSaboSe(int nr);
    // The choices of switching device k's sabotage row: "Keine Sabotage Schalteinrichtung"
    // (255), then each candidate that no other switching device of the area uses.
    std::list<TComboWert> GetliCbxItemsSaboSe(int k) const;

    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row);
    void GridEllipseClick(TObject *sender, TCell &cell, int col, int row);
    void GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row);

private:
    // One switching device: its members and rows.
    struct TSchalteinrichtung {
        int32_t TAzScharfschaltungSsb::*PhysAdr;
        int32_t TAzScharfschaltungSsb::*MelderNrSabo;
        AnsiString TAzScharfschaltungSsb::*StrPhysAdr;
        int RowPhysAdr;
        int RowMelderNrSabo;
    };
    static const TSchalteinrichtung Schalteinrichtungen[4];
    // Switching device k (1..4), or null.
    static const TSchalteinrichtung *Se(int k);
    static const TAzFelder<TAzScharfschaltungSsb> &Felder();

    void ChangePhysAdrSe(const TSchalteinrichtung &se, int col, int row);

    static constexpr int DelayMax = 255;
    static constexpr int DelayMin = 0;
    static constexpr int DelayStep = 1;

    std::list<int> FListeMelderNrSaboSe;
    TAzParameterIds<10> FIds;
    TEnumScharfschaltBereich FBereich = T_DB_EnumAzScharfschaltungSsb::eSsb1;
    int32_t FScharfVerzoegerung = 0; // [s]
    int32_t FAlarmVerzoegerung = 0;  // [s]
    int32_t FPhysAdrSe1 = 0;         // 0: switching device not used
    int32_t FMelderNrSaboSe1 = KeineSabotage;
    int32_t FPhysAdrSe2 = 0;
    int32_t FMelderNrSaboSe2 = KeineSabotage;
    int32_t FPhysAdrSe3 = 0;
    int32_t FMelderNrSaboSe3 = KeineSabotage;
    int32_t FPhysAdrSe4 = 0;
    int32_t FMelderNrSaboSe4 = KeineSabotage;
    AnsiString FStrPhysAdrSe1;
    AnsiString FStrPhysAdrSe2;
    AnsiString FStrPhysAdrSe3;
    AnsiString FStrPhysAdrSe4;
};
