// Arming areas 1 to 4: the units in which the panel is armed and disarmed. Which of them exist
// follows the configuration variant; the device instance makes and removes them. An area's one
// property is its text (String4 of its record), which the panel shows for the area: at most 14
// characters reach it as four device parameters from 19001 + 100 n. The tree shows the text
// with the area's short tag ("SSB 1 (SSB 1)").
//
// TAzScharfschaltBereich holds the code; the four numbered classes differ only in their
// class-table entry and their constants (ScharfschaltBereichNummern).
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/TAzObjekt.h"

#include <cstdint>

// What a numbered area adds: its number, the UI text of its short tag and the first of the
// four device parameters of its text.
struct TAzScharfschaltBereichNummer {
    int Nummer;
    int KurzTextId;
    int16_t ParamId;
};

class TAzScharfschaltBereich : public TAzBasis<TDataBasis> {
public:
    enum : int { RowText = 1 };

    // The name argument is the record's name, not the area text, which starts as "SSB n".
    TAzScharfschaltBereich(HWND window, int system, int parent, AnsiString name, int handle,
                           const TAzScharfschaltBereichNummer &nummer);
    ~TAzScharfschaltBereich() override;

    // The area text, then the short tag in parentheses.
    AnsiString GetName(bool) const override;
    // The text is taken whole; only what reaches the panel is cut.
    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // The default name goes to the record's name; the tree shows the area text, so its caption
    // stays.
    bool DatenAbgleich(bool, bool) override { return DatenAbgleichDefaultName(); }

    void SetDefaultName(const AnsiString &text);
    // The bare area text (the device instance names arming areas in event texts with it).
    const AnsiString &GetTextScharfschaltBereich() const { return FText; }
    int GetNummer() const { return FNummer.Nummer; }

    // The area text as four parameters from the area's first id.
    bool WriteDataToDb();
    bool WriteTextSsbToDb(int16_t id);

    // Leaving the text cell: a changed text is written, 1163 and 1138 are posted.
    void GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row);

private:
    static const TAzFelder<TAzScharfschaltBereich> &Felder();

    const TAzScharfschaltBereichNummer &FNummer;
    AnsiString FText;
};

class TAzScharfschaltBereich1
    : public TAzEintrag<TAzScharfschaltBereich, AzKlasse::ScharfschaltBereich1> {
public:
    TAzScharfschaltBereich1(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzScharfschaltBereich1() override;
};

class TAzScharfschaltBereich2
    : public TAzEintrag<TAzScharfschaltBereich, AzKlasse::ScharfschaltBereich2> {
public:
    TAzScharfschaltBereich2(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzScharfschaltBereich2() override;
};

class TAzScharfschaltBereich3
    : public TAzEintrag<TAzScharfschaltBereich, AzKlasse::ScharfschaltBereich3> {
public:
    TAzScharfschaltBereich3(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzScharfschaltBereich3() override;
};

class TAzScharfschaltBereich4
    : public TAzEintrag<TAzScharfschaltBereich, AzKlasse::ScharfschaltBereich4> {
public:
    TAzScharfschaltBereich4(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzScharfschaltBereich4() override;
};
