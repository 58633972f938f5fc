// What the numbered security areas and the numbered arming areas share: an area whose one
// property is a text that the user gives it (String4 of its record), edited in one grid row
// and shown in the tree followed by the area's short tag ("Sicherungs-Bereich 1 (SB 1)",
// "SSB 1 (SSB 1)"). The device instance makes and removes the areas as the configuration
// variant asks; the areas never read the variant. What differs between the two families and
// between the four areas of each is one row of constants.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/TAzObjekt.h"

#include <cstdint>

struct TAzTextBereichKonstanten {
    int Nummer;      // 1 .. 4
    int TextId;      // the default text: this UI text, a blank and the number
    int KurzTextId;  // the short tag in the tree name
    int CaptionId;   // of the text row
    int MaxLaenge;   // of the text row; 0: no limit
    int16_t ParamId; // the first of the four device parameters of the text; 0: none
};

class TAzTextBereich : public TAzBasis<TDataBasis> {
public:
    enum : int { RowText = 1 };

    // The name argument is the record's name, not the area's text, which starts as the
    // default text.
    TAzTextBereich(HWND window, int system, int parent, AnsiString name, int handle,
                   const TAzTextBereichKonstanten &konstanten);
    ~TAzTextBereich() override;

    // The text, then the short tag in parentheses.
    AnsiString GetName(bool) const override;
    // The text is taken whole; only what reaches the panel is cut.
    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    // With flag A the grid is tagged -1; one edit row; 1136 as for every grid.
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // The default name goes to the record's name; the tree shows the text, so its caption
    // stays.
    bool DatenAbgleich(bool, bool) override;

    void SetDefaultName(const AnsiString &text);
    int GetNummer() const;

    // Leaving the text cell: a changed text is written, 1163 and 1138 are posted.
    void GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row);

protected:
    const TAzTextBereichKonstanten &FKonstanten;
    AnsiString FText;

private:
    static const TAzFelder<TAzTextBereich> &Felder();
};
