#include "objectmodel/TAzAlarmierung.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"

#include <utility>

using T = TAzAlarmierung;
using namespace T_DB_EnumAzAlarmierung;

namespace {

// Per alarm type: the default outputs and the first id of its five parameters (flash, outer
// siren, inner siren, relay, transmission device, ten apart).
struct TTypDaten {
    TEnumAlarmierungTyp Typ;
    bool Blitz, Aussen, Innen, Relais, Stoerung, Einbruch, Feuer, Ueberfall;
    int ErsteId;
};

// clang-format off
constexpr TTypDaten TypDaten[] = {
    //          flash outer inner relay Stoer. Einbr. Feuer Ueberf.
    {eFeuer,     true, true, true, true, false, false, true, false, 16510},
    {eUeberfall, false, false, false, false, false, false, false, true, 16610},
    {eSsb1,      true, false, true, true, false, true, false, false, 16110},
    {eSsb2,      true, true, false, true, false, true, false, false, 16210},
    {eSsb3,      true, false, true, true, false, true, false, false, 16310},
    {eSsb4,      true, true, false, true, false, true, false, false, 16410},
};
// clang-format on

const TTypDaten *Daten(TEnumAlarmierungTyp t) {
    LOG_FKT("TAzAlarmierung::Daten");
    for (const TTypDaten &d : TypDaten)
        if (d.Typ == t)
            return &d;
    return nullptr;
}

// Places of the id set: the four outputs, then one per transmission-device signal, of which
// only the type's own has an id.
enum : size_t {
    SlotBlitz,
    SlotAussen,
    SlotInnen,
    SlotRelais,
    SlotStoerung,
    SlotEinbruch,
    SlotFeuer,
    SlotUeberfall,
    SlotAnzahl
};

} // namespace

TAzAlarmierung::TAzAlarmierung(HWND window, int system, int parent, AnsiString name, int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzAlarmierung::TAzAlarmierung");
}

TAzAlarmierung::~TAzAlarmierung() {
    LOG_FKT("TAzAlarmierung::~TAzAlarmierung");
}

const TAzFelder<T> &TAzAlarmierung::Felder() {
    LOG_FKT("TAzAlarmierung::Felder");
    static const TAzFelder<T> felder{
        {&T::FBlitz, &TDatenStruktur::Bool3, TAzSlot{SlotBlitz}, {RowBlitz, 11009}},
        {&T::FAussenSirene, &TDatenStruktur::Bool4, TAzSlot{SlotAussen}, {RowAussenSirene, 11008}},
        {&T::FInnenSirene, &TDatenStruktur::Bool5, TAzSlot{SlotInnen}, {RowInnenSirene, 11010}},
        {&T::FRelais, &TDatenStruktur::Bool6, TAzSlot{SlotRelais}, {RowRelais, 11011}},
        {&T::FUegStoerung, &TDatenStruktur::Bool7, TAzSlot{SlotStoerung}, {RowUegStoerung, 11015}},
        {&T::FUegEinbruch,
         &TDatenStruktur::Bool8,
         TAzSlot{SlotEinbruch},
         {RowUegEinbruch, 11012, AzRequest::UegEinbruchSetzen}},
        {&T::FUegFeuer, &TDatenStruktur::Bool9, TAzSlot{SlotFeuer}},
        {&T::FUegUeberfall, &TDatenStruktur::Bool10, TAzSlot{SlotUeberfall}},
        {&T::FTyp, &TDatenStruktur::Param3},
    };
    return felder;
}

void TAzAlarmierung::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzAlarmierung::InitFromDB");
    TDataBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzAlarmierung::Write(TDatenStruktur &record) {
    LOG_FKT("TAzAlarmierung::Write");
    TDataBasis::Write(record);
    Felder().Write(*this, record);
}

bool TAzAlarmierung::WriteDataToDb() {
    LOG_FKT("TAzAlarmierung::WriteDataToDb");
    return Felder().WriteDataToDb(*this, FIds, FTyp);
}

bool TAzAlarmierung::SetAlarmierungTyp(TEnumAlarmierungTyp t) {
    LOG_FKT("TAzAlarmierung::SetAlarmierungTyp");
    FTyp = t;
    const TTypDaten *d = Daten(t);
    if (d) {
        FBlitz = d->Blitz;
        FAussenSirene = d->Aussen;
        FInnenSirene = d->Innen;
        FRelais = d->Relais;
        FUegStoerung = d->Stoerung;
        FUegEinbruch = d->Einbruch;
        FUegFeuer = d->Feuer;
        FUegUeberfall = d->Ueberfall;
    }
    InitDisplayOrderNumberAlarmierung();
    return d != nullptr;
}

void TAzAlarmierung::InitDisplayOrderNumberAlarmierung() {
    LOG_FKT("TAzAlarmierung::InitDisplayOrderNumberAlarmierung");
    const TTypDaten *d = Daten(FTyp);
    if (!d)
        return;
    TAzParameterIds<SlotAnzahl>::TIds ids{};
    for (size_t slot = SlotBlitz; slot <= SlotRelais; ++slot)
        ids[slot] = static_cast<int16_t>(d->ErsteId + 10 * static_cast<int>(slot));
    const size_t uegSlot = FTyp == eFeuer       ? SlotFeuer
                           : FTyp == eUeberfall ? SlotUeberfall
                                                : SlotEinbruch;
    ids[uegSlot] = static_cast<int16_t>(d->ErsteId + 40);
    FIds.Setze(FTyp, ids);
}

T::TEnumAlarmierungTyp TAzAlarmierung::GetAlarmierungTyp(TEnumAlarmierungTyp &out) const {
    LOG_FKT("TAzAlarmierung::GetAlarmierungTyp");
    out = FTyp;
    return FTyp;
}

bool TAzAlarmierung::GetStatusAlarmierungUegEinbruch() const {
    LOG_FKT("TAzAlarmierung::GetStatusAlarmierungUegEinbruch");
    return FUegEinbruch;
}

AnsiString TAzAlarmierung::GetStrUegEinbruchUsedFrom() {
    LOG_FKT("TAzAlarmierung::GetStrUegEinbruchUsedFrom");
    return AnfrageText(AzRequest::UegEinbruchText);
}

void TAzAlarmierung::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TAzAlarmierung::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    bool weitere = false; // the first row reuses the grid's empty row
    const auto jaNein = [](bool b) { return SprText(b ? 11213 : 11248); };
    if (FTyp == eFeuer)
        AddRowTextFeld(grid, SprText(11014), RowUegTyp, jaNein(FUegFeuer), 0,
                       std::exchange(weitere, true));
    else if (FTyp == eUeberfall)
        AddRowTextFeld(grid, SprText(11016), RowUegTyp, jaNein(FUegUeberfall), 0,
                       std::exchange(weitere, true));
    else {
        if (FTyp == eSabotageExternScharf)
            Felder().AddJaNeinZeile(*this, grid, RowUegStoerung, std::exchange(weitere, true));
        Felder().AddJaNeinZeile(*this, grid, RowUegEinbruch, std::exchange(weitere, true));
        AddRowTextFeld(grid, SprText(11013), RowUegEinbruchUsedFrom, GetStrUegEinbruchUsedFrom(), 0,
                       true);
    }
    for (const int zeile : {RowBlitz, RowAussenSirene, RowInnenSirene, RowRelais})
        Felder().AddJaNeinZeile(*this, grid, zeile, std::exchange(weitere, true));
    AzFinishGrid(*this, col, row);
}

void TAzAlarmierung::GridComboBoxChange(TObject *sender, TCell &cell, int col, int row) {
    LOG_FKT("TAzAlarmierung::GridComboBoxChange");
    Felder().GridComboBoxChange(*this, sender, cell, col, row, FTyp);
}
