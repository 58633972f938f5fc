#include "objectmodel/TAzScharfschaltBereich.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzDeviceParam.h"
#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"

#include <string>

namespace {
// "SSB 1" .. "SSB 4"; the text of area n from 19001 + 100 n.
constexpr TAzScharfschaltBereichNummer ScharfschaltBereichNummern[4] = {
    {1, 11288, 19101}, {2, 11289, 19201}, {3, 11290, 19301}, {4, 11291, 19401}};
} // namespace

TAzScharfschaltBereich::TAzScharfschaltBereich(HWND window, int system, int parent, AnsiString name,
                                               int handle,
                                               const TAzScharfschaltBereichNummer &nummer)
    : TAzBasis(window, system, parent, std::move(name), handle), FNummer(nummer) {
    LOG_FKT("TAzScharfschaltBereich::TAzScharfschaltBereich");
    SetDefaultName(SprText(11081) + " " + std::to_string(nummer.Nummer));
}

TAzScharfschaltBereich::~TAzScharfschaltBereich() {
    LOG_FKT("TAzScharfschaltBereich::~TAzScharfschaltBereich");
}

const TAzFelder<TAzScharfschaltBereich> &TAzScharfschaltBereich::Felder() {
    LOG_FKT("TAzScharfschaltBereich::Felder");
    static const TAzFelder<TAzScharfschaltBereich> felder{
        {&TAzScharfschaltBereich::FText, &TDatenStruktur::String4},
    };
    return felder;
}

void TAzScharfschaltBereich::SetDefaultName(const AnsiString &text) {
    LOG_FKT("TAzScharfschaltBereich::SetDefaultName");
    FText = text;
}

AnsiString TAzScharfschaltBereich::GetName(bool) const {
    LOG_FKT("TAzScharfschaltBereich::GetName");
    return FText + " (" + SprText(FNummer.KurzTextId) + ")";
}

void TAzScharfschaltBereich::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzScharfschaltBereich::InitFromDB");
    TAzBasis::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzScharfschaltBereich::Write(TDatenStruktur &record) {
    LOG_FKT("TAzScharfschaltBereich::Write");
    TAzBasis::Write(record);
    Felder().Write(*this, record);
}

bool TAzScharfschaltBereich::WriteDataToDb() {
    LOG_FKT("TAzScharfschaltBereich::WriteDataToDb");
    return WriteTextSsbToDb(FNummer.ParamId);
}

bool TAzScharfschaltBereich::WriteTextSsbToDb(int16_t id) {
    LOG_FKT("TAzScharfschaltBereich::WriteTextSsbToDb");
    return AzSetStringToDeviceParamData(GetWindowHandle(), id, FText);
}

void TAzScharfschaltBereich::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col,
                                             int row) {
    LOG_FKT("TAzScharfschaltBereich::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    // After the preparation, which clears the Tag.
    if (GetFlagA())
        grid->Tag = -1;
    AddRowEditFeld(grid, SprText(11061), RowText, FText, 0, false, AzPanelTextLaenge);
    AzFinishGrid(*this, col, row);
}

void TAzScharfschaltBereich::GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col,
                                          int row) {
    LOG_FKT("TAzScharfschaltBereich::GridExitCell");
    if (!grid || !editor)
        return;
    TAzEpilog e;
    if (editor == grid->EditField() && cell.RowId == RowText &&
        AzTakeValue(FText, grid->EditField()->Text))
        e.Write = e.Post1163 = e.Post1138 = true;
    e.Run(*this, col, row);
}

TAzScharfschaltBereich1::TAzScharfschaltBereich1(HWND window, int system, int parent,
                                                 AnsiString name, int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, ScharfschaltBereichNummern[0]) {
    LOG_FKT("TAzScharfschaltBereich1::TAzScharfschaltBereich1");
}

TAzScharfschaltBereich1::~TAzScharfschaltBereich1() {
    LOG_FKT("TAzScharfschaltBereich1::~TAzScharfschaltBereich1");
}

TAzScharfschaltBereich2::TAzScharfschaltBereich2(HWND window, int system, int parent,
                                                 AnsiString name, int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, ScharfschaltBereichNummern[1]) {
    LOG_FKT("TAzScharfschaltBereich2::TAzScharfschaltBereich2");
}

TAzScharfschaltBereich2::~TAzScharfschaltBereich2() {
    LOG_FKT("TAzScharfschaltBereich2::~TAzScharfschaltBereich2");
}

TAzScharfschaltBereich3::TAzScharfschaltBereich3(HWND window, int system, int parent,
                                                 AnsiString name, int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, ScharfschaltBereichNummern[2]) {
    LOG_FKT("TAzScharfschaltBereich3::TAzScharfschaltBereich3");
}

TAzScharfschaltBereich3::~TAzScharfschaltBereich3() {
    LOG_FKT("TAzScharfschaltBereich3::~TAzScharfschaltBereich3");
}

TAzScharfschaltBereich4::TAzScharfschaltBereich4(HWND window, int system, int parent,
                                                 AnsiString name, int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, ScharfschaltBereichNummern[3]) {
    LOG_FKT("TAzScharfschaltBereich4::TAzScharfschaltBereich4");
}

TAzScharfschaltBereich4::~TAzScharfschaltBereich4() {
    LOG_FKT("TAzScharfschaltBereich4::~TAzScharfschaltBereich4");
}
