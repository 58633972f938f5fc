// Security areas 1 to 4: the zones into which the panel groups its intrusion detectors. Which
// of them exist follows the configuration variant; the device instance makes and removes them.
// An area's one property is the name the user gives it (String4 of its record), shown in the
// tree with the area's short tag ("Sicherungs-Bereich 1 (SB 1)"); the panel never receives it.
//
// TAzSicherungsBereich holds the code; the four numbered classes differ only in their
// class-table entry and their number (SicherungsBereichNummern).
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/TAzObjekt.h"

// What a numbered area adds: its number and the UI text of its short tag.
struct TAzSicherungsBereichNummer {
    int Nummer;
    int KurzTextId;
};

class TAzSicherungsBereich : public TAzBasis<TDataBasis> {
public:
    enum : int { RowBezeichnung = 1 };

    // The name argument is the record's name, not the area's name text, which starts as
    // "Sicherungs-Bereich n".
    TAzSicherungsBereich(HWND window, int system, int parent, AnsiString name, int handle,
                         const TAzSicherungsBereichNummer &nummer);
    ~TAzSicherungsBereich() override;

    // The name text, then the short tag in parentheses.
    AnsiString GetName(bool) const override;
    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // The default name goes to the record's name; the tree shows the name text, so its caption
    // stays.
    bool DatenAbgleich(bool, bool) override { return DatenAbgleichDefaultName(); }

    void SetDefaultName(const AnsiString &name);
    const AnsiString &GetBezeichnung() const { return FBezeichnung; }
    int GetNummer() const { return FNummer.Nummer; }

    // Leaving the name cell: a changed name is written, 1163 and 1138 are posted.
    void GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row);

private:
    static const TAzFelder<TAzSicherungsBereich> &Felder();

    const TAzSicherungsBereichNummer &FNummer;
    AnsiString FBezeichnung;
};

class TAzSicherungsBereich1
    : public TAzEintrag<TAzSicherungsBereich, AzKlasse::SicherungsBereich1> {
public:
    TAzSicherungsBereich1(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzSicherungsBereich1() override;
};

class TAzSicherungsBereich2
    : public TAzEintrag<TAzSicherungsBereich, AzKlasse::SicherungsBereich2> {
public:
    TAzSicherungsBereich2(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzSicherungsBereich2() override;
};

class TAzSicherungsBereich3
    : public TAzEintrag<TAzSicherungsBereich, AzKlasse::SicherungsBereich3> {
public:
    TAzSicherungsBereich3(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzSicherungsBereich3() override;
};

class TAzSicherungsBereich4
    : public TAzEintrag<TAzSicherungsBereich, AzKlasse::SicherungsBereich4> {
public:
    TAzSicherungsBereich4(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzSicherungsBereich4() override;
};
