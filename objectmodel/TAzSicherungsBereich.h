// Security areas 1 to 4: the zones into which the panel groups its intrusion detectors. An
// area's one property is the name the user gives it (TAzTextBereich), shown in the tree with
// the area's short tag ("Sicherungs-Bereich 1 (SB 1)"); the panel never receives it, so the
// areas write no device parameters.
//
// The four numbered classes differ only in their class-table entry and their number
// (SicherungsBereichNummern).
#pragma once

#include "objectmodel/TAzTextBereich.h"

class TAzSicherungsBereich : public TAzTextBereich {
public:
    enum : int { RowBezeichnung = RowText };

    TAzSicherungsBereich(HWND window, int system, int parent, AnsiString name, int handle,
                         const TAzTextBereichKonstanten &konstanten);
    ~TAzSicherungsBereich() override;

    const AnsiString &GetBezeichnung() const;
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
