#include "objectmodel/TAzScharfschaltungSsb.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"

#include <string>

using T = TAzScharfschaltungSsb;

const T::TSchalteinrichtung T::Schalteinrichtungen[4] = {
    {&T::FPhysAdrSe1, &T::FMelderNrSaboSe1, &T::FStrPhysAdrSe1, RowPhysAdrSe1, RowMelderNrSaboSe1},
    {&T::FPhysAdrSe2, &T::FMelderNrSaboSe2, &T::FStrPhysAdrSe2, RowPhysAdrSe2, RowMelderNrSaboSe2},
    {&T::FPhysAdrSe3, &T::FMelderNrSaboSe3, &T::FStrPhysAdrSe3, RowPhysAdrSe3, RowMelderNrSaboSe3},
    {&T::FPhysAdrSe4, &T::FMelderNrSaboSe4, &T::FStrPhysAdrSe4, RowPhysAdrSe4, RowMelderNrSaboSe4},
};

TAzScharfschaltungSsb::TAzScharfschaltungSsb(HWND window, int system, int parent, AnsiString name,
                                             int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzScharfschaltungSsb::TAzScharfschaltungSsb");
}

TAzScharfschaltungSsb::~TAzScharfschaltungSsb() {
    LOG_FKT("TAzScharfschaltungSsb::~TAzScharfschaltungSsb");
}

const TAzFelder<T> &TAzScharfschaltungSsb::Felder() {
    LOG_FKT("TAzScharfschaltungSsb::Felder");
    // The places of the selector's ids are the order of the parameters.
    static const TAzFelder<T> felder{
        {&T::FScharfVerzoegerung, &TDatenStruktur::Param3, TAzSlot{0}},
        {&T::FAlarmVerzoegerung, &TDatenStruktur::Param4, TAzSlot{1}},
        {&T::FPhysAdrSe1, &TDatenStruktur::Param5, TAzSlot{2}},
        {&T::FPhysAdrSe2, &TDatenStruktur::Param6, TAzSlot{3}},
        {&T::FPhysAdrSe3, &TDatenStruktur::Param7, TAzSlot{4}},
        {&T::FPhysAdrSe4, &TDatenStruktur::Param8, TAzSlot{5}},
        {&T::FMelderNrSaboSe1, &TDatenStruktur::Param10, TAzSlot{6}},
        {&T::FMelderNrSaboSe2, &TDatenStruktur::Param11, TAzSlot{7}},
        {&T::FMelderNrSaboSe3, &TDatenStruktur::Param12, TAzSlot{8}},
        {&T::FMelderNrSaboSe4, &TDatenStruktur::Param13, TAzSlot{9}},
        {&T::FBereich, &TDatenStruktur::Param9},
        {&T::FStrPhysAdrSe1, &TDatenStruktur::String1},
        {&T::FStrPhysAdrSe2, &TDatenStruktur::String2},
        {&T::FStrPhysAdrSe3, &TDatenStruktur::String3},
        {&T::FStrPhysAdrSe4, &TDatenStruktur::String4},
    };
    return felder;
}

const T::TSchalteinrichtung *TAzScharfschaltungSsb::Se(int k) {
    LOG_FKT("TAzScharfschaltungSsb::Se");
    return k >= 1 && k <= 4 ? &Schalteinrichtungen[k - 1] : nullptr;
}

void TAzScharfschaltungSsb::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzScharfschaltungSsb::InitFromDB");
    TDataBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzScharfschaltungSsb::Write(TDatenStruktur &record) {
    LOG_FKT("TAzScharfschaltungSsb::Write");
    TDataBasis::Write(record);
    Felder().Write(*this, record);
}

bool TAzScharfschaltungSsb::DatenAbgleich(bool, bool) {
    LOG_FKT("TAzScharfschaltungSsb::DatenAbgleich");
    DatenAbgleichDefaultName();
    return false;
}

bool TAzScharfschaltungSsb::WriteDataToDb() {
    LOG_FKT("TAzScharfschaltungSsb::WriteDataToDb");
    return Felder().WriteDataToDb(*this, FIds, FBereich);
}

bool TAzScharfschaltungSsb::SetScharfschaltBereich(TEnumScharfschaltBereich n) {
    LOG_FKT("TAzScharfschaltungSsb::SetScharfschaltBereich");
    if (n <= 0 || n > 4)
        return false;
    FBereich = n;
    const auto id = [n](int basis, int k) {
        return static_cast<int16_t>(basis + 100 * n + 10 * k);
    };
    FIds.Setze(n, {static_cast<int16_t>(21000 + 10 * n), static_cast<int16_t>(22000 + 10 * n),
                   id(17000, 1), id(17000, 2), id(17000, 3), id(17000, 4), id(18000, 1),
                   id(18000, 2), id(18000, 3), id(18000, 4)});
    return true;
}

bool TAzScharfschaltungSsb::InitScharfschaltungSsb() {
    LOG_FKT("TAzScharfschaltungSsb::InitScharfschaltungSsb");
    return SetScharfschaltBereich(FBereich);
}

T::TEnumScharfschaltBereich TAzScharfschaltungSsb::GetScharfschaltBereich() const {
    LOG_FKT("TAzScharfschaltungSsb::GetScharfschaltBereich");
    return FBereich;
}

void TAzScharfschaltungSsb::UpdateListeMelderNrSaboSeSb(std::list<int> numbers) {
    LOG_FKT("TAzScharfschaltungSsb::UpdateListeMelderNrSaboSeSb");
    FListeMelderNrSaboSe = std::move(numbers);
}

bool TAzScharfschaltungSsb::GetPhysikalischenAdressenSE(std::list<int> &out) const {
    LOG_FKT("TAzScharfschaltungSsb::GetPhysikalischenAdressenSE");
    for (const TSchalteinrichtung &se : Schalteinrichtungen)
        if (this->*se.PhysAdr != 0)
            out.push_back(this->*se.PhysAdr);
    return true;
}

int TAzScharfschaltungSsb::GetPhysAdrSe(int k) const {
    LOG_FKT("TAzScharfschaltungSsb::GetPhysAdrSe");
    const TSchalteinrichtung *se = Se(k);
    return se ? this->*se->PhysAdr : 0;
}

AnsiString TAzScharfschaltungSsb::GetStringPhysAdrSe(int k) const {
    LOG_FKT("TAzScharfschaltungSsb::GetStringPhysAdrSe");
    const TSchalteinrichtung *se = Se(k);
    return se ? this->*se->StrPhysAdr : AnsiString();
}

bool TAzScharfschaltungSsb::ClearPhysAdrSeAndMelderNrSe(int k) {
    LOG_FKT("TAzScharfschaltungSsb::ClearPhysAdrSeAndMelderNrSe");
    if (const TSchalteinrichtung *se = Se(k)) {
        this->*se->PhysAdr = 0;
        (this->*se->StrPhysAdr).clear();
        this->*se->MelderNrSabo = KeineSabotage;
    }
    WriteDatensatz();
    return true;
}

bool TAzScharfschaltungSsb::CheckMelderSaboSeLinked(int nr) const {
    LOG_FKT("TAzScharfschaltungSsb::CheckMelderSaboSeLinked");
    for (const TSchalteinrichtung &se : Schalteinrichtungen)
        if (this->*se.MelderNrSabo == nr)
            return true;
    return false;
}

bool TAzScharfschaltungSsb::UnlinkMelderNrSaboSe(int nr) {
    LOG_FKT("TAzScharfschaltungSsb::UnlinkMelderNrSaboSe");
    for (const TSchalteinrichtung &se : Schalteinrichtungen)
        if (this->*se.MelderNrSabo == nr)
            this->*se.MelderNrSabo = 0;
    WriteDatensatz();
    return true;
}

std::list<TComboWert> TAzScharfschaltungSsb::GetliCbxItemsSaboSe(int k) const {
    LOG_FKT("TAzScharfschaltungSsb::GetliCbxItemsSaboSe");
    std::list<TComboWert> werte{{SprText(11074), KeineSabotage, -1, -1, -1}};
    if (!Se(k))
        return werte;
    for (const int f : FListeMelderNrSaboSe) {
        bool frei = true;
        for (int andere = 1; andere <= 4; ++andere)
            if (andere != k && this->*Se(andere)->MelderNrSabo == f)
                frei = false;
        if (frei)
            werte.push_back({std::to_string(f), f, -1, -1, -1});
    }
    return werte;
}

void TAzScharfschaltungSsb::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col,
                                            int row) {
    LOG_FKT("TAzScharfschaltungSsb::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    AnsiString scharf, alarm, sabo;
    if (FBereich >= 1 && FBereich <= 4) {
        const AnsiString nr = std::to_string(FBereich);
        scharf = SprText(11055) + " " + nr + " [s]";
        alarm = SprText(11017) + " " + nr + " [s]";
        sabo = SprText(11035) + nr;
    }
    AddRowSpinEdit(grid, scharf, RowScharfVerzoegerung, DelayMax, DelayMin, DelayStep,
                   FScharfVerzoegerung, 0, false);
    AddRowSpinEdit(grid, alarm, RowAlarmVerzoegerung, DelayMax, DelayMin, DelayStep,
                   FAlarmVerzoegerung, 0, true);
    for (int k = 1; k <= 4; ++k) {
        const TSchalteinrichtung &se = *Se(k);
        AddRowEllipse(grid, SprText(11038) + std::to_string(k), se.RowPhysAdr, this->*se.StrPhysAdr,
                      0, true);
        if (this->*se.PhysAdr != 0)
            AddRowComboBox(grid, sabo, se.RowMelderNrSabo, GetliCbxItemsSaboSe(k),
                           this->*se.MelderNrSabo, 0, true);
    }
    AzFinishGrid(*this, col, row);
}

void TAzScharfschaltungSsb::GridComboBoxChange(TObject *sender, TCell &cell, int col, int row) {
    LOG_FKT("TAzScharfschaltungSsb::GridComboBoxChange");
    auto *combo = dynamic_cast<TDrawGridSEComboBox *>(sender);
    if (!combo)
        return;
    TAzEpilog e;
    for (const TSchalteinrichtung &se : Schalteinrichtungen) {
        int wert = 0;
        if (cell.RowId == se.RowMelderNrSabo && combo->ItemValue(wert) &&
            AzTakeValue(this->*se.MelderNrSabo, wert))
            e.Write = e.Post1126 = true;
    }
    e.Run(*this, col, row);
}

void TAzScharfschaltungSsb::GridEllipseClick(TObject *, TCell &cell, int col, int row) {
    LOG_FKT("TAzScharfschaltungSsb::GridEllipseClick");
    for (const TSchalteinrichtung &se : Schalteinrichtungen)
        if (cell.RowId == se.RowPhysAdr)
            ChangePhysAdrSe(se, col, row);
}

// The device instance offers the devices of the project for this arming area; a confirmed
// choice comes back in Wert2 and Text2, a refusal leaves Wert2 at the old address.
void TAzScharfschaltungSsb::ChangePhysAdrSe(const TSchalteinrichtung &se, int col, int row) {
    LOG_FKT("TAzScharfschaltungSsb::ChangePhysAdrSe");
    const int32_t alt = this->*se.PhysAdr;
    RDeviceRequest request(*this, AzRequest::PhysAdrSeDialog);
    request.Wert = FBereich;
    request.Wert2 = alt;
    request.Text2 = this->*se.StrPhysAdr;
    request.Send(WM_AZ_DEVICE_REQUEST);
    if (request.Wert2 == alt)
        return;
    this->*se.PhysAdr = request.Wert2;
    this->*se.StrPhysAdr = request.Text2;
    if (request.Wert2 == 0)
        this->*se.MelderNrSabo = KeineSabotage;
    // This switching device of the area moved from the old to the new address.
    request.Code = AzRequest::PhysAdrSeErsetzen;
    request.Wert3 = alt;
    request.Send(WM_AZ_DEVICE_REQUEST);
    TAzEpilog e;
    e.Write = e.Post1126 = true;
    e.Run(*this, col, row);
}

void TAzScharfschaltungSsb::GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col,
                                         int row) {
    LOG_FKT("TAzScharfschaltungSsb::GridExitCell");
    if (!grid || !editor || editor != grid->SpinEdit())
        return;
    const int wert = AzSpinWert(*grid->SpinEdit(), cell);
    TAzEpilog e;
    if (cell.RowId == RowScharfVerzoegerung)
        e.Write = AzTakeValue(FScharfVerzoegerung, wert);
    else if (cell.RowId == RowAlarmVerzoegerung)
        e.Write = AzTakeValue(FAlarmVerzoegerung, wert);
    e.Post1163 = e.Write;
    e.Run(*this, col, row);
}
