#include "objectmodel/TAzAnzeige.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzGrid.h"
#include "objectmodel/AzMelderParameter.h"
#include "platform/log/Log.h"

#include <iterator>

namespace {

// The name of each bit of the shown-areas mask, in bit order.
constexpr int BereichTexte[] = {11001, 11002, 11003, 11004, 11000, 11005};

constexpr int16_t ParamIdAnzeige1 = 14010;

} // namespace

TAzAnzeige::TAzAnzeige(HWND window, int system, int parent, AnsiString name, int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle), FAnzeigeName(SprText(11298)) {
    LOG_FKT("TAzAnzeige::TAzAnzeige");
}

TAzAnzeige::~TAzAnzeige() {
    LOG_FKT("TAzAnzeige::~TAzAnzeige");
}

const TAzFelder<TAzAnzeige> &TAzAnzeige::Felder() {
    LOG_FKT("TAzAnzeige::Felder");
    static const TAzFelder<TAzAnzeige> felder{
        {&TAzAnzeige::FAnzeigeName, &TDatenStruktur::String2},
        {&TAzAnzeige::FVorhanden, &TDatenStruktur::Bool3},
        {&TAzAnzeige::FAnzeigeNr, &TDatenStruktur::Param4},
        {&TAzAnzeige::FAnzeigeSsb, &TDatenStruktur::Param3, TAzSlot{0}},
    };
    return felder;
}

AnsiString TAzAnzeige::GetName(bool) const {
    LOG_FKT("TAzAnzeige::GetName");
    return FAnzeigeName;
}

void TAzAnzeige::SetDefaultName(const AnsiString &name) {
    LOG_FKT("TAzAnzeige::SetDefaultName");
    FAnzeigeName = name;
}

int TAzAnzeige::GetIcon() const {
    LOG_FKT("TAzAnzeige::GetIcon");
    if (FAnzeigeNr < TAzOrdnerAnzeige::AnzahlAnzeigen)
        return AzKlasse::Anzeige.Icon + 1 + FAnzeigeNr;
    return AzKlasse::Anzeige.Icon;
}

void TAzAnzeige::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzAnzeige::InitFromDB");
    TDataBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzAnzeige::Write(TDatenStruktur &record) {
    LOG_FKT("TAzAnzeige::Write");
    TDataBasis::Write(record);
    Felder().Write(*this, record);
}

bool TAzAnzeige::WriteDataToDb() {
    LOG_FKT("TAzAnzeige::WriteDataToDb");
    return Felder().WriteDataToDb(*this, FIds, FAnzeigeNr);
}

bool TAzAnzeige::SetAnzeigeNr(TEnumAnzeigeNr nr) {
    LOG_FKT("TAzAnzeige::SetAnzeigeNr");
    FAnzeigeNr = nr;
    if (nr < TAzOrdnerAnzeige::AnzahlAnzeigen)
        FIds.Setze(nr, {static_cast<int16_t>(ParamIdAnzeige1 + 10 * nr)});
    return true;
}

TAzAnzeige::TEnumAnzeigeNr TAzAnzeige::GetAnzeigeNr(TEnumAnzeigeNr &nr) const {
    LOG_FKT("TAzAnzeige::GetAnzeigeNr");
    nr = FAnzeigeNr;
    return nr;
}

bool TAzAnzeige::InitAnzeige() {
    LOG_FKT("TAzAnzeige::InitAnzeige");
    return SetAnzeigeNr(FAnzeigeNr);
}

void TAzAnzeige::SetAnzeigeSsb(int32_t mask) {
    LOG_FKT("TAzAnzeige::SetAnzeigeSsb");
    FAnzeigeSsb = mask;
}

bool TAzAnzeige::GetStatusAnzeigeVorhanden() const {
    LOG_FKT("TAzAnzeige::GetStatusAnzeigeVorhanden");
    return FVorhanden == 1;
}

void TAzAnzeige::SetVarianteAz(uint32_t variante) {
    LOG_FKT("TAzAnzeige::SetVarianteAz");
    FVarianteAz = variante;
}

void TAzAnzeige::ModifyAnzeigeSsb(uint32_t variante) {
    LOG_FKT("TAzAnzeige::ModifyAnzeigeSsb");
    FVarianteAz = variante;
    // Arming area n exists with security area n.
    for (int n = 1; n <= 4; ++n)
        if (!AzSicherungsBereichExistiert(variante, n))
            FAnzeigeSsb &= ~(BitSsb1 << (n - 1));
    WriteDatensatz();
}

AnsiString TAzAnzeige::GetTextAnzeigeSsb(int32_t mask) {
    LOG_FKT("TAzAnzeige::GetTextAnzeigeSsb");
    AnsiString text;
    for (int bit = 0; bit < static_cast<int>(std::size(BereichTexte)); ++bit) {
        if ((mask & (1 << bit)) == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += SprText(BereichTexte[bit]);
    }
    return text;
}

bool TAzAnzeige::Exist_SSB1(uint32_t variante) {
    LOG_FKT("TAzAnzeige::Exist_SSB1");
    return AzSicherungsBereichExistiert(variante, 1);
}

bool TAzAnzeige::Exist_SSB2(uint32_t variante) {
    LOG_FKT("TAzAnzeige::Exist_SSB2");
    return AzSicherungsBereichExistiert(variante, 2);
}

bool TAzAnzeige::Exist_SSB3(uint32_t variante) {
    LOG_FKT("TAzAnzeige::Exist_SSB3");
    return AzSicherungsBereichExistiert(variante, 3);
}

bool TAzAnzeige::Exist_SSB4(uint32_t variante) {
    LOG_FKT("TAzAnzeige::Exist_SSB4");
    return AzSicherungsBereichExistiert(variante, 4);
}

bool TAzAnzeige::Anzeige_Ssb1(int32_t mask) {
    LOG_FKT("TAzAnzeige::Anzeige_Ssb1");
    return (mask & BitSsb1) != 0;
}

bool TAzAnzeige::Anzeige_Ssb2(int32_t mask) {
    LOG_FKT("TAzAnzeige::Anzeige_Ssb2");
    return (mask & BitSsb2) != 0;
}

bool TAzAnzeige::Anzeige_Ssb3(int32_t mask) {
    LOG_FKT("TAzAnzeige::Anzeige_Ssb3");
    return (mask & BitSsb3) != 0;
}

bool TAzAnzeige::Anzeige_Ssb4(int32_t mask) {
    LOG_FKT("TAzAnzeige::Anzeige_Ssb4");
    return (mask & BitSsb4) != 0;
}

bool TAzAnzeige::Anzeige_Feuer(int32_t mask) {
    LOG_FKT("TAzAnzeige::Anzeige_Feuer");
    return (mask & BitFeuer) != 0;
}

bool TAzAnzeige::Anzeige_Ueberfall(int32_t mask) {
    LOG_FKT("TAzAnzeige::Anzeige_Ueberfall");
    return (mask & BitUeberfall) != 0;
}

void TAzAnzeige::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TAzAnzeige::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    AddRowEditFeld(grid, SprText(11024), RowBezeichnung, FAnzeigeName, 0, false, 0);
    // "Anzeige 1 vorhanden" .. "Anzeige 4 vorhanden"
    const AnsiString vorhanden =
        FAnzeigeNr < TAzOrdnerAnzeige::AnzahlAnzeigen ? SprText(11019 + FAnzeigeNr) : AnsiString();
    AddRowComboBoxYes(grid, vorhanden, RowVorhanden,
                      GetStatusAnzeigeVorhanden() ? T_DB_EnumDataBasis::eTrue
                                                  : T_DB_EnumDataBasis::eFalse,
                      0, true);
    if (GetStatusAnzeigeVorhanden())
        AddRowEllipse(grid, SprText(11018), RowBereiche, GetTextAnzeigeSsb(FAnzeigeSsb), 0, true);
    else
        FAnzeigeSsb = 0;
    AzFinishGrid(*this, col, row);
}

void TAzAnzeige::MeldeBereiche() {
    LOG_FKT("TAzAnzeige::MeldeBereiche");
    RDeviceRequest request(*this, AzRequest::AnzeigeQuittierungMelder);
    request.Wert = FAnzeigeSsb;
    request.Wert2 = FAnzeigeNr;
    request.Send(WM_AZ_DEVICE_REQUEST);
}

void TAzAnzeige::GridComboBoxChange(TObject *sender, TCell &cell, int col, int row) {
    LOG_FKT("TAzAnzeige::GridComboBoxChange");
    auto *combo = dynamic_cast<TDrawGridSEComboBox *>(sender);
    bool neu = false;
    if (!combo || cell.RowId != RowVorhanden || !AzJaNeinWert(*combo, neu))
        return;
    TAzEpilog e;
    const int8_t alt = FVorhanden;
    if (AzTakeValue(FVorhanden, neu ? 1 : 0)) {
        // The device instance switches the display's bus objects on or off.
        RDeviceRequest schalten(*this, AzRequest::AnzeigeSchalten);
        schalten.Wert = FVorhanden;
        schalten.Wert2 = FAnzeigeNr;
        if (schalten.Send(WM_AZ_DEVICE_REQUEST) == 0)
            FVorhanden = alt;
        // Even when refused, the mask starts anew from the value kept.
        if (GetStatusAnzeigeVorhanden()) {
            FAnzeigeSsb = AlleBereiche;
            ModifyAnzeigeSsb(FVarianteAz);
        } else {
            FAnzeigeSsb = 0;
        }
        MeldeBereiche();
        e.Write = e.Post1126 = true;
    }
    e.Run(*this, col, row);
}

void TAzAnzeige::GridEllipseClick(TObject *, TCell &cell, int col, int row) {
    LOG_FKT("TAzAnzeige::GridEllipseClick");
    if (cell.RowId != RowBereiche)
        return;
    const int32_t alt = FAnzeigeSsb;
    // The display dialog may store a new mask into this object.
    RDeviceRequest dialog(*this, AzRequest::AnzeigeDialog);
    dialog.Wert = FAnzeigeSsb;
    dialog.Send(WM_AZ_DEVICE_REQUEST);
    if (FAnzeigeSsb == alt)
        return;
    MeldeBereiche();
    TAzEpilog e;
    e.Write = e.Post1126 = true;
    e.Run(*this, col, row);
}

void TAzAnzeige::GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row) {
    LOG_FKT("TAzAnzeige::GridExitCell");
    if (!grid || !editor || editor != grid->EditField())
        return;
    TAzEpilog e;
    if (cell.RowId == RowBezeichnung && AzTakeValue(FAnzeigeName, grid->EditField()->Text))
        e.Write = e.Post1163 = e.Post1138 = true;
    e.Run(*this, col, row);
}
