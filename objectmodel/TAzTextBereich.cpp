#include "objectmodel/TAzTextBereich.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"

#include <string>

TAzTextBereich::TAzTextBereich(HWND window, int system, int parent, AnsiString name, int handle,
                               const TAzTextBereichKonstanten &konstanten)
    : TAzBasis(window, system, parent, std::move(name), handle), FKonstanten(konstanten) {
    LOG_FKT("TAzTextBereich::TAzTextBereich");
    SetDefaultName(SprText(konstanten.TextId) + " " + std::to_string(konstanten.Nummer));
}

TAzTextBereich::~TAzTextBereich() {
    LOG_FKT("TAzTextBereich::~TAzTextBereich");
}

const TAzFelder<TAzTextBereich> &TAzTextBereich::Felder() {
    LOG_FKT("TAzTextBereich::Felder");
    static const TAzFelder<TAzTextBereich> felder{
        {&TAzTextBereich::FText, &TDatenStruktur::String4},
    };
    return felder;
}

void TAzTextBereich::SetDefaultName(const AnsiString &text) {
    LOG_FKT("TAzTextBereich::SetDefaultName");
    FText = text;
}

int TAzTextBereich::GetNummer() const {
    LOG_FKT("TAzTextBereich::GetNummer");
    return FKonstanten.Nummer;
}

AnsiString TAzTextBereich::GetName(bool) const {
    LOG_FKT("TAzTextBereich::GetName");
    return FText + " (" + SprText(FKonstanten.KurzTextId) + ")";
}

void TAzTextBereich::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzTextBereich::InitFromDB");
    TAzBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzTextBereich::Write(TDatenStruktur &record) {
    LOG_FKT("TAzTextBereich::Write");
    TAzBasis::Write(record);
    Felder().Write(*this, record);
}

bool TAzTextBereich::DatenAbgleich(bool, bool) {
    LOG_FKT("TAzTextBereich::DatenAbgleich");
    return DatenAbgleichDefaultName();
}

void TAzTextBereich::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TAzTextBereich::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    // After the preparation, which clears the Tag.
    if (GetFlagA())
        grid->Tag = -1;
    AddRowEditFeld(grid, SprText(FKonstanten.CaptionId), RowText, FText, 0, false,
                   FKonstanten.MaxLaenge);
    AzFinishGrid(*this, col, row);
}

void TAzTextBereich::GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col,
                                  int row) {
    LOG_FKT("TAzTextBereich::GridExitCell");
    if (!grid || !editor)
        return;
    TAzEpilog e;
    if (editor == grid->EditField() && cell.RowId == RowText &&
        AzTakeValue(FText, grid->EditField()->Text))
        e.Write = e.Post1163 = e.Post1138 = true;
    e.Run(*this, col, row);
}
