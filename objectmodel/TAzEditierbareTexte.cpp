#include "objectmodel/TAzEditierbareTexte.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzDeviceParam.h"
#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <string>
#include <vector>

namespace {

struct TTextEintrag {
    int Key;
    int TextId;
};

// The texts in the order they are built: the n-th has the parameters 12621 + 5n .. +3.
constexpr TTextEintrag TextTabelle[TAzEditierbareTexte::AnzahlTexte] = {
    {4, 11202},  {5, 11203},  {0, 11204},  {19, 11205}, {6, 11206},  {7, 11207},  {1, 11208},
    {20, 11209}, {21, 11210}, {8, 11161},  {9, 11162},  {22, 11163}, {2, 11164},  {23, 11165},
    {24, 11166}, {25, 11167}, {26, 11168}, {27, 11169}, {28, 11170}, {29, 11171}, {30, 11172},
    {31, 11173}, {10, 11174}, {11, 11175}, {32, 11176}, {33, 11177}, {34, 11178}, {35, 11179},
    {12, 11180}, {13, 11181}, {36, 11182}, {37, 11183}, {38, 11184}, {39, 11185}, {40, 11186},
    {41, 11187}, {42, 11188}, {3, 11189},  {43, 11190}, {44, 11191}, {45, 11192}, {46, 11193},
    {47, 11194}, {14, 11195}, {15, 11196}, {16, 11197}, {17, 11198}, {18, 11199}, {48, 11200},
    {49, 11201},
};
constexpr int ErsteParamId = 12621;

struct TGruppe {
    int RowId;
    int CaptionId;
    int ErsterKey;
    int LetzterKey;
};

constexpr TGruppe Gruppen[4] = {
    {TAzEditierbareTexte::RowAllgemein, 11383, 0, 3},
    {TAzEditierbareTexte::RowMelderSabotage, 11314, 4, 9},
    {TAzEditierbareTexte::RowScharfschaltung, 11312, 10, 18},
    {TAzEditierbareTexte::RowAlarmierung, 11310, 19, 49},
};

// The edit rows' help number and length limit (the panel shows 14 characters).
constexpr int TextHilfe = 58;

} // namespace

TAzEditierbareTexte::TAzEditierbareTexte(HWND window, int system, int parent, AnsiString name,
                                         int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzEditierbareTexte::TAzEditierbareTexte");
    for (int n = 0; n < AnzahlTexte; ++n) {
        const AnsiString &text = SprText(TextTabelle[n].TextId);
        FTexte[TextTabelle[n].Key] = {text, text, static_cast<int16_t>(ErsteParamId + 5 * n)};
    }
    FGruppen.fill(TCell::gtsCollapsed);
}

TAzEditierbareTexte::~TAzEditierbareTexte() {
    LOG_FKT("TAzEditierbareTexte::~TAzEditierbareTexte");
}

bool TAzEditierbareTexte::IsVisible() const {
    LOG_FKT("TAzEditierbareTexte::IsVisible");
    return true;
}

void TAzEditierbareTexte::MeldeFehlendenDatensatz(const char *methode,
                                                  const AnsiString &text) const {
    LOG_FKT("TAzEditierbareTexte::MeldeFehlendenDatensatz");
    MessageBox(GetWindowHandle(), text, AnsiString("TAzEditierbareTexte::") + methode,
               MB_ICONWARNING);
}

void TAzEditierbareTexte::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzEditierbareTexte::InitFromDB");
    TAzObjekt::InitFromDB(record);
    int next = record.Next;
    for (auto &[key, text] : FTexte) {
        if (next <= 0)
            break;
        // A handle the device does not hold is answered with a new empty record (or none):
        // only a text record of the chain is taken.
        const TDatenStruktur *sub = GetDatensatz(GetSystem(), next);
        if (!sub || sub->Typ != TypNebenDatensatz) {
            MeldeFehlendenDatensatz("InitFromDB",
                                    "Der Text-Datensatz " + std::to_string(next) +
                                        Utf8ToAnsi(" der editierbaren Texte fehlt.\n\rDie übrigen "
                                                   "Texte behalten ihren Standardwert."));
            break;
        }
        text.Text = sub->String1;
        next = sub->Next;
    }
}

void TAzEditierbareTexte::Write(TDatenStruktur &record) {
    LOG_FKT("TAzEditierbareTexte::Write");
    TAzObjekt::Write(record);
    // The chain is overwritten in place: rebuilding it at every save would use up 50 fresh
    // handles each time and, when no new record can be had, lose the texts already stored.
    TDatenStruktur *previous = &record;
    for (const auto &[key, text] : FTexte) {
        TDatenStruktur *sub = NaechsterTextDatensatz(*previous);
        if (!sub)
            sub = GetNewNebenDatensatz(*previous);
        if (!sub) {
            MeldeFehlendenDatensatz("Write", Utf8ToAnsi("Der Text-Datensatz für \"") + text.Label +
                                                 "\" konnte nicht angelegt werden.\n\rDieser "
                                                 "und die folgenden Texte werden nicht "
                                                 "gespeichert.");
            return;
        }
        sub->String1 = text.Text;
        previous = sub;
    }
    DeleteNebenDatensaetze(*previous); // a longer chain ends here
}

TDatenStruktur *TAzEditierbareTexte::NaechsterTextDatensatz(TDatenStruktur &previous) {
    LOG_FKT("TAzEditierbareTexte::NaechsterTextDatensatz");
    if (previous.Next <= 0)
        return nullptr;
    TDatenStruktur *sub = GetDatensatz(GetSystem(), previous.Next);
    if (sub && sub->Typ == TypNebenDatensatz)
        return sub;
    // Not one of our records: the chain ends before it, and the record is left alone.
    previous.Next = 0;
    return nullptr;
}

bool TAzEditierbareTexte::WriteDataToDb() {
    LOG_FKT("TAzEditierbareTexte::WriteDataToDb");
    return SetHardwareTexteToDb();
}

bool TAzEditierbareTexte::SetHardwareTexteToDb() {
    LOG_FKT("TAzEditierbareTexte::SetHardwareTexteToDb");
    // One writer for all 50 texts: without one the user is told once, not once per text.
    std::vector<TAzParameter> params;
    params.reserve(4 * FTexte.size());
    for (const auto &[key, text] : FTexte) {
        const auto vier = AzTextParameter(text.ParamId, text.Text);
        params.insert(params.end(), vier.begin(), vier.end());
    }
    return AzWriteDeviceParams(GetWindowHandle(), params);
}

void TAzEditierbareTexte::GetMelderTextListe(TStringList *) const {
    LOG_FKT("TAzEditierbareTexte::GetMelderTextListe");
}

TCell::TEnumGroupTitleState TAzEditierbareTexte::GetGruppenStatus(int gruppe) const {
    LOG_FKT("TAzEditierbareTexte::GetGruppenStatus");
    return FGruppen.at(static_cast<size_t>(gruppe));
}

bool TAzEditierbareTexte::GruppeOffen(int gruppe) const {
    LOG_FKT("TAzEditierbareTexte::GruppeOffen");
    const TCell::TEnumGroupTitleState s = FGruppen[static_cast<size_t>(gruppe)];
    return s == TCell::gtsExpanded || s == TCell::gtsExpandedHot || GetFlagA();
}

void TAzEditierbareTexte::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TAzEditierbareTexte::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    for (int g = 0; g < 4; ++g) {
        const TGruppe &gruppe = Gruppen[g];
        AddRowCaption(grid, gruppe.RowId, SprText(gruppe.CaptionId), "",
                      FGruppen[static_cast<size_t>(g)], g > 0);
        if (!GruppeOffen(g))
            continue;
        for (int key = gruppe.ErsterKey; key <= gruppe.LetzterKey; ++key) {
            const TText &text = FTexte.at(key);
            if (text.Label.empty())
                continue;
            AddRowEditFeld(grid, text.Label, RowErsterText + key, text.Text, TextHilfe, true,
                           AzPanelTextLaenge);
        }
    }
    AzFinishGrid(*this, col, row);
}

void TAzEditierbareTexte::GridGroupTitleClick(TObject *, TCell &cell, int col, int row) {
    LOG_FKT("TAzEditierbareTexte::GridGroupTitleClick");
    const int gruppe = cell.RowId - RowAllgemein;
    if (gruppe < 0 || gruppe >= 4)
        return;
    TAzEpilog e;
    // The project window rebuilds the grid with the group folded or unfolded.
    e.Post1126 = ChangeGroupTitleState(FGruppen[static_cast<size_t>(gruppe)]);
    e.Run(*this, col, row);
}

void TAzEditierbareTexte::GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col,
                                       int row) {
    LOG_FKT("TAzEditierbareTexte::GridExitCell");
    if (!grid || !editor || editor != grid->EditField())
        return;
    TAzEpilog e;
    const auto it = FTexte.find(cell.RowId - RowErsterText);
    if (it != FTexte.end() && AzTakeValue(it->second.Text, grid->EditField()->Text))
        e.Write = e.Post1163 = true;
    e.Run(*this, col, row);
}

void TAzEditierbareTexte::GridEllipseClick(TObject *sender, TCell &, int col, int row) {
    LOG_FKT("TAzEditierbareTexte::GridEllipseClick");
    if (!sender)
        return;
    TAzEpilog e;
    e.Write = e.Post1126 = true;
    e.Run(*this, col, row);
}
