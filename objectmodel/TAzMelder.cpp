#include "objectmodel/TAzMelder.h"

#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "objectmodel/AzDeviceParam.h"
#include "objectmodel/AzGrid.h"
#include "objectmodel/E_DataBasis.h"
#include "objectmodel/TAzSystem.h"
#include "platform/bustool/TEtsDeviceParam.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace T_DB_EnumAzMelder;

// The preset texts of the text row, in the order they are offered before sorting.
constexpr int VorgabeTexte[] = {11228, 11239, 11241, 11242, 11243, 11244, 11245,
                                11246, 11247, 11229, 11230, 11231, 11232, 11233,
                                11234, 11235, 11236, 11237, 11238, 11240};

struct TEingangsTyp {
    int8_t Wert;
    AnsiString Text;
};

// The input types a kind offers, in the order of the row.
std::vector<TEingangsTyp> EingangsTypen(TEnumMelder kind) {
    const TEingangsTyp sofort{TAzMelder::eMelderSofort, "Melder sofort"};
    const TEingangsTyp verzoegert{TAzMelder::eMelderVerzoegert, Utf8ToAnsi("Melder verzögert")};
    const TEingangsTyp sabotage{TAzMelder::eSabotage, "Sabotage"};
    const TEingangsTyp sabotageSe{TAzMelder::eSabotageSchalteinrichtung,
                                  "Sabotage-Schalteinrichtung"};
    const TEingangsTyp stoerung{TAzMelder::eStoerung, Utf8ToAnsi("Störung")};
    const TEingangsTyp verschluss{TAzMelder::eVerschluss, Utf8ToAnsi("Verschluß")};
    switch (kind) {
    case eFeuermelder:
        return {sofort, stoerung};
    case eUeberfallmelder:
        return {sofort, sabotage};
    case eVerdrahtet:
        return {sofort, verzoegert};
    case eMelderSb1:
    case eMelderSb2:
    case eMelderSb3:
    case eMelderSb4:
        return {sofort, verzoegert, sabotage, sabotageSe, verschluss};
    default:
        return {};
    }
}

bool IstSbMelder(TEnumMelder kind) {
    return kind >= eMelderSb1 && kind <= eMelderSb4;
}

// Case folding of Windows-1252 letters (ASCII and the accented capitals).
unsigned char Klein(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

bool KleinerOhneGross(const AnsiString &a, const AnsiString &b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return Klein(static_cast<unsigned char>(x)) < Klein(static_cast<unsigned char>(y));
    });
}

bool GleichOhneGross(const AnsiString &a, const AnsiString &b) {
    return !KleinerOhneGross(a, b) && !KleinerOhneGross(b, a);
}

void SortiereOhneGross(TStringList &liste) {
    std::vector<AnsiString> texte(liste.begin(), liste.end());
    std::stable_sort(texte.begin(), texte.end(), KleinerOhneGross);
    liste.Clear();
    for (AnsiString &t : texte)
        liste.Add(std::move(t));
}

} // namespace

TAzMelder::TAzMelder(HWND window, int system, int parent, AnsiString name, int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle),
      // Only the wired input reads the variant; its creator sets it. Until then it is the
      // variant a new panel starts with.
      FVarianteAz(TAzSystem::DefaultVarianteAz), FMelderText(SprText(11226)) {
    LOG_FKT("TAzMelder::TAzMelder");
}

TAzMelder::~TAzMelder() {
    LOG_FKT("TAzMelder::~TAzMelder");
}

const TAzFelder<TAzMelder> &TAzMelder::Felder() {
    LOG_FKT("TAzMelder::Felder");
    static const TAzFelder<TAzMelder> felder{
        {&TAzMelder::FMelderArt, &TDatenStruktur::Param3},
        {&TAzMelder::FSicherungsBereich, &TDatenStruktur::Param4},
        {&TAzMelder::FIndexMelderText, &TDatenStruktur::Param5},
        {&TAzMelder::FMelderTyp, &TDatenStruktur::Param6},
        {&TAzMelder::FZusatzWert, &TDatenStruktur::Param7},
        {&TAzMelder::FMelderBereich, &TDatenStruktur::Param8},
        {&TAzMelder::FMelderNr, &TDatenStruktur::Param9},
        {&TAzMelder::FAktivBei, &TDatenStruktur::Bool3},
        {&TAzMelder::FMelderText, &TDatenStruktur::String4},
    };
    return felder;
}

void TAzMelder::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzMelder::InitFromDB");
    TAzObjekt::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzMelder::Write(TDatenStruktur &record) {
    LOG_FKT("TAzMelder::Write");
    TAzObjekt::Write(record);
    Felder().Write(*this, record);
}

AnsiString TAzMelder::GetName(bool) const {
    LOG_FKT("TAzMelder::GetName");
    const AnsiString basis = TDataBasis::GetName(false);
    if (FMelderBereich == eVerdrahtet)
        return FMelderText + " - " + basis;
    return FMelderText + " - (" + SprText(11110) + " " + std::to_string(FMelderNr) + " " + basis +
           ")";
}

bool TAzMelder::DatenAbgleich(bool, bool) {
    LOG_FKT("TAzMelder::DatenAbgleich");
    return DatenAbgleichDefaultName();
}

int TAzMelder::GetMelderNr() const {
    LOG_FKT("TAzMelder::GetMelderNr");
    return FMelderNr;
}

TAzMelder::TEnumMelder TAzMelder::GetMelderBereich() const {
    LOG_FKT("TAzMelder::GetMelderBereich");
    return FMelderBereich;
}

int8_t TAzMelder::GetSicherungsBereichMelder() const {
    LOG_FKT("TAzMelder::GetSicherungsBereichMelder");
    return FSicherungsBereich;
}

int8_t TAzMelder::GetMelderArt() const {
    LOG_FKT("TAzMelder::GetMelderArt");
    return FMelderArt;
}

int TAzMelder::GetIndexMelderText() const {
    LOG_FKT("TAzMelder::GetIndexMelderText");
    return FIndexMelderText;
}

AnsiString TAzMelder::GetMelderText() const {
    LOG_FKT("TAzMelder::GetMelderText");
    return FMelderText;
}

int8_t TAzMelder::GetMelderTyp() const {
    LOG_FKT("TAzMelder::GetMelderTyp");
    return FMelderTyp;
}

bool TAzMelder::GetAktivBei() const {
    LOG_FKT("TAzMelder::GetAktivBei");
    return FAktivBei;
}

uint32_t TAzMelder::GetVarianteAz() const {
    LOG_FKT("TAzMelder::GetVarianteAz");
    return FVarianteAz;
}

const TStringList &TAzMelder::GetMelderTextListe() const {
    LOG_FKT("TAzMelder::GetMelderTextListe");
    return FTextListe;
}

void TAzMelder::SetMelderNr(int nummer) {
    LOG_FKT("TAzMelder::SetMelderNr");
    FMelderNr = nummer;
}

bool TAzMelder::MelderTextUsed(int n) const {
    LOG_FKT("TAzMelder::MelderTextUsed");
    return FIndexMelderText == n;
}

bool TAzMelder::Exist_SB1(uint32_t variante) {
    LOG_FKT("TAzMelder::Exist_SB1");
    return AzSicherungsBereichExistiert(variante, 1);
}

bool TAzMelder::Exist_SB2(uint32_t variante) {
    LOG_FKT("TAzMelder::Exist_SB2");
    return AzSicherungsBereichExistiert(variante, 2);
}

bool TAzMelder::Exist_SB3(uint32_t variante) {
    LOG_FKT("TAzMelder::Exist_SB3");
    return AzSicherungsBereichExistiert(variante, 3);
}

bool TAzMelder::Exist_SB4(uint32_t variante) {
    LOG_FKT("TAzMelder::Exist_SB4");
    return AzSicherungsBereichExistiert(variante, 4);
}

bool TAzMelder::SetMelderBereich(TEnumMelder kind) {
    LOG_FKT("TAzMelder::SetMelderBereich");
    FMelderBereich = kind;
    switch (kind) {
    case eFeuermelder:
        FSicherungsBereich = 5;
        break;
    case eUeberfallmelder:
        FSicherungsBereich = 6;
        break;
    case eVerdrahtet:
        FSicherungsBereich = Exist_SB1(FVarianteAz) ? 1 : 6;
        break;
    case eMelderSb1:
    case eMelderSb2:
    case eMelderSb3:
    case eMelderSb4:
        FSicherungsBereich = static_cast<int8_t>(kind - eMelderSb1 + 1);
        break;
    default:
        return false;
    }
    FMelderArt = eMelderSofort;
    FZusatzWert = 0;
    FIndexMelderText = 0;
    FMelderTyp = 0;
    FAktivBei = true;
    return true;
}

void TAzMelder::SetVarianteAz(uint32_t variante) {
    LOG_FKT("TAzMelder::SetVarianteAz");
    FVarianteAz = variante;
}

bool TAzMelder::ChangeVarianteAz(uint32_t variante) {
    LOG_FKT("TAzMelder::ChangeVarianteAz");
    FVarianteAz = variante;
    if (FSicherungsBereich < 1 || FSicherungsBereich > 4)
        return false;
    if (!AzSicherungsBereichExistiert(variante, FSicherungsBereich)) {
        // Area 1 gives way to area 2, the others to area 1; one message for both, which
        // names SB 1.
        FSicherungsBereich = FSicherungsBereich == 1 ? 2 : 1;
        MessageBox(nullptr, SprText(11272), SprText(11309), MB_OK | MB_ICONEXCLAMATION);
    }
    return WriteDatensatz();
}

uint32_t TAzMelder::GetMelderParameterblock() const {
    LOG_FKT("TAzMelder::GetMelderParameterblock");
    return AzMelderParameterblock(FMelderArt, FSicherungsBereich, FIndexMelderText, FMelderTyp,
                                  FAktivBei);
}

bool TAzMelder::WriteDataToDb() {
    LOG_FKT("TAzMelder::WriteDataToDb");
    return WriteParameter(static_cast<int32_t>(GetMelderParameterblock()), FMelderText);
}

bool TAzMelder::ClearDbParameter() {
    LOG_FKT("TAzMelder::ClearDbParameter");
    return WriteParameter(0, "");
}

bool TAzMelder::WriteParameter(int32_t wort, const AnsiString &text) {
    LOG_FKT("TAzMelder::WriteParameter");
    const TAzMelderParamIds ids = AzMelderParamIds(FMelderBereich, FMelderNr);
    TEtsDeviceParam *writer = AzGetDeviceParam(GetWindowHandle());
    if (!writer)
        return false;
    const bool wortGeschrieben = writer->SetDeviceParamData(ids.Wort, wort) == 0;
    // The text fetches the writer again, as every four-parameter text does.
    return SetStringToDeviceParamData(ids.Text, text) && wortGeschrieben;
}

void TAzMelder::SetMelderTextListe(int &index) {
    LOG_FKT("TAzMelder::SetMelderTextListe");
    FTextListe.Clear();
    for (const int id : VorgabeTexte) {
        AnsiString text = SprText(id);
        SetLengthTexte(text, AzPanelTextLaenge);
        FTextListe.Add(std::move(text));
    }
    SortiereOhneGross(FTextListe);
    FTextListe.Add(FMelderText);
    SortiereOhneGross(FTextListe);
    index = -1;
    for (int i = 0; i < FTextListe.Count(); ++i)
        if (GleichOhneGross(FTextListe[i], FMelderText)) {
            index = i;
            break;
        }
}

void TAzMelder::SetMelderTextListe(TStringList *) {
    LOG_FKT("TAzMelder::SetMelderTextListe");
}

bool TAzMelder::GetPhysAdrSe(TEnumMelder, TStringList *liste) {
    LOG_FKT("TAzMelder::GetPhysAdrSe");
    if (!liste)
        return false;
    liste->Add("");
    return true;
}

int TAzMelder::AddRowComboBoxStyle(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                                   const TStringList *items, int index, TComboBoxStyle style,
                                   bool flag, int helpIndex, bool newRow) {
    LOG_FKT("TAzMelder::AddRowComboBoxStyle");
    const int row = AddRowComboBox(grid, caption, rowId, items, index, helpIndex, newRow);
    if (row < 0)
        return row;
    TCell &cell = grid->Cells(1, row);
    cell.Style = style;
    cell.Flag = flag;
    return row;
}

void TAzMelder::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TAzMelder::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    // The first row fills the grid's empty row, every later one adds a row.
    bool neueZeile = false;
    const auto naechste = [&neueZeile] { return std::exchange(neueZeile, true); };

    if (FMelderBereich == eVerdrahtet) {
        std::list<TComboWert> bereiche;
        for (int n = 1; n <= 4; ++n)
            if (AzSicherungsBereichExistiert(FVarianteAz, n))
                bereiche.push_back({SprText(11265 + n), n});
        AddRowComboBox(grid, SprText(11057), RowSicherungsBereich, bereiche, FSicherungsBereich, 0,
                       naechste());
    }
    if (FMelderBereich == eVerdrahtet && (FSicherungsBereich == 5 || FSicherungsBereich == 6)) {
        FMelderArt = eMelderSofort;
    } else {
        std::list<TComboWert> typen;
        for (const TEingangsTyp &t : EingangsTypen(FMelderBereich))
            typen.push_back({t.Text, t.Wert});
        AddRowComboBox(grid, SprText(11034), RowEingangsTyp, typen, FMelderArt, 0, naechste());
    }
    int index = -1;
    SetMelderTextListe(index);
    AddRowComboBoxStyle(grid, SprText(11036), RowMelderText, &FTextListe, index, csDropDown, false,
                        0, naechste());
    const bool ohneMelderTyp = FMelderArt == eSabotage ||
                               FMelderArt == eSabotageSchalteinrichtung ||
                               FMelderArt == eVerschluss;
    if (IstSbMelder(FMelderBereich) && !ohneMelderTyp) {
        TStringList typen;
        typen.Add(SprText(11227));
        typen.Add(SprText(11223));
        typen.Add(SprText(11225));
        AddRowComboBox(grid, SprText(11037), RowMelderTyp, &typen, FMelderTyp, 0, naechste());
    } else if (IstSbMelder(FMelderBereich)) {
        FMelderTyp = 0;
    }
    if (FMelderBereich != eVerdrahtet) {
        TStringList pegel;
        pegel.Add("0");
        pegel.Add("1");
        AddRowComboBox(grid, SprText(11033), RowAktivBei, &pegel, FAktivBei ? 1 : 0, 0, naechste());
    } else {
        FAktivBei = true;
    }
    AzFinishGrid(*this, col, row);
}

LRESULT TAzMelder::SendRequest(uint8_t code) {
    LOG_FKT("TAzMelder::SendRequest");
    RDeviceRequest request(*this, code);
    request.Wert = FMelderNr;
    request.Wert2 = FSicherungsBereich;
    return request.Send(WM_AZ_DEVICE_REQUEST);
}

void TAzMelder::EingangsTypGeaendert(int8_t alt) {
    LOG_FKT("TAzMelder::EingangsTypGeaendert");
    if (alt == eSabotageSchalteinrichtung) {
        if (SendRequest(AzRequest::SaboSeZugeordnet) == 0) {
            SendRequest(AzRequest::SaboSeLoeschen);
        } else if (MessageBox(GetWindowHandle(), SprText(11100), SprText(11099),
                              MB_YESNO | MB_ICONQUESTION) == IDYES) {
            SendRequest(AzRequest::SaboSeLoeschen);
        } else {
            FMelderArt = eSabotageSchalteinrichtung;
            return;
        }
    }
    if (FMelderArt == eSabotageSchalteinrichtung)
        SendRequest(AzRequest::SaboSeAnmelden);
}

void TAzMelder::GridComboBoxChange(TObject *sender, TCell &cell, int col, int row) {
    LOG_FKT("TAzMelder::GridComboBoxChange");
    auto *combo = dynamic_cast<TDrawGridSEComboBox *>(sender);
    if (!combo)
        return;
    TAzEpilog e;
    int wert = 0;
    switch (cell.RowId) {
    case RowSicherungsBereich:
        if (combo->ItemValue(wert) && AzTakeValue(FSicherungsBereich, wert))
            e.Write = e.Post1126 = true;
        break;
    case RowEingangsTyp: {
        const int8_t alt = FMelderArt;
        if (!combo->ItemValue(wert) || !AzTakeValue(FMelderArt, wert))
            break;
        e.Write = e.Post1126 = true;
        EingangsTypGeaendert(alt);
        break;
    }
    case RowMelderText:
        if (combo->Text == FMelderText)
            break;
        if (combo->Text.size() <= static_cast<size_t>(AzPanelTextLaenge)) {
            FMelderText = combo->Text;
            e.Write = e.Post1163 = true;
        } else {
            MessageBox(nullptr, SprText(11381), SprText(11366), MB_OK);
            e.Post1126 = true;
        }
        break;
    case RowMelderTyp:
        if (combo->ItemIndex >= 0 && AzTakeValue(FMelderTyp, combo->ItemIndex))
            e.Write = e.Post1163 = true;
        break;
    case RowAktivBei:
        if (combo->ItemIndex >= 0 && AzTakeValue(FAktivBei, combo->ItemIndex != 0))
            e.Write = e.Post1163 = true;
        break;
    default:
        break;
    }
    e.Run(*this, col, row);
}

void TAzMelder::GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row) {
    LOG_FKT("TAzMelder::GridExitCell");
    if (!grid || !editor)
        return;
    if (!dynamic_cast<TDrawGridSEComboBox *>(editor) || cell.RowId != RowMelderText)
        return;
    int index = -1;
    SetMelderTextListe(index);
    cell.Items.assign(FTextListe.begin(), FTextListe.end());
    cell.ItemIndex = index;
    cell.Text = index >= 0 ? cell.Items[static_cast<size_t>(index)] : FMelderText;
    TAzEpilog e;
    e.Post1138 = true; // the tree shows the new name
    e.Run(*this, col, row);
}

void TAzMelder::GridSpinEditChange(TObject *sender, TCell &, int col, int row) {
    LOG_FKT("TAzMelder::GridSpinEditChange");
    if (!sender)
        return;
    TAzEpilog e;
    e.Write = true;
    e.Run(*this, col, row);
}

void TAzMelder::GridEllipseClick(TObject *, TCell &cell, int col, int row) {
    LOG_FKT("TAzMelder::GridEllipseClick");
    if (!dynamic_cast<TAzMelder *>(cell.Data))
        return;
    TAzEpilog e;
    e.Write = e.Post1126 = true;
    e.Run(*this, col, row);
}

bool TAzMelder::Paste(TDatenManager<TDatenStruktur> *store, AnsiString &message) {
    LOG_FKT("TAzMelder::Paste");
    message = GetName(true) + ":\n";
    std::unique_ptr<TDatenManager<TDatenStruktur>> view(
        store ? store->Filter("Typ", static_cast<int16_t>(GetTyp())) : nullptr);
    const TDatenStruktur *first = view ? view->GetFirst() : nullptr;
    if (!first)
        throw E_DataBasis(3, message, FName, "AzMelder", __LINE__);
    const TDatenStruktur quelle = *first;
    view.reset();

    const bool result = TAzObjekt::Paste(store, message);
    FMelderArt = static_cast<int8_t>(quelle.Param3);
    FIndexMelderText = quelle.Param5;
    FMelderTyp = static_cast<int8_t>(quelle.Param6);
    FAktivBei = quelle.Bool3;
    FZusatzWert = quelle.Param7;
    FMelderText = quelle.String4;
    return result;
}
