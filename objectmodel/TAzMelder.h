// One detector input of the panel: a numbered input (1 to 160) under a security area, the fire
// area or the hold-up area, or the one wired detector input of the panel itself (kind 2, which
// alone follows the configuration variant word). The device instance makes, numbers and
// places it; its grid edits the input type, text, detector type and active level; it writes the
// detector parameter word and its text as device parameters. It is the only class whose
// Paste takes the settings of a copied detector.
#pragma once

#include "objectmodel/AzDeviceParam.h"
#include "objectmodel/AzFelder.h"
#include "objectmodel/AzMelderParameter.h"
#include "objectmodel/TAzObjekt.h"
#include "platform/vcl/TStringList.h"

#include <cstdint>

class TAzMelder : public TAzObjekt<TDataBasis, AzKlasse::Melder>,
                  public TAzVierParameterText<TAzMelder> {
public:
    using TEnumMelder = T_DB_EnumAzMelder::TEnumMelder;

    // Row ids of the detector grid (there is no row 3).
    enum : int {
        RowSicherungsBereich = 1,
        RowEingangsTyp = 2,
        RowMelderText = 4,
        RowMelderTyp = 5,
        RowAktivBei = 6,
    };
    // Input types.
    enum : int8_t {
        eMelderVerzoegert = 0,
        eMelderSofort = 1,
        eSabotage = 2,
        eSabotageSchalteinrichtung = 3,
        eStoerung = 4,
        eVerschluss = 5,
    };

    TAzMelder(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzMelder() override;

    // The tree's name: "text - base name" for the wired input, else
    // "text - (Eingang n base name)".
    AnsiString GetName(bool) const override;
    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    bool DatenAbgleich(bool, bool) override;
    // Takes input type, text index, detector type, active level, the further value and the
    // text of the first detector record (in key order) of the store; kind, security area and
    // number stay. The record is not written here. Throws E_DataBasis (code 3, message
    // "name:\n") when the store holds no detector record.
    bool Paste(TDatenManager<TDatenStruktur> *store, AnsiString &message) override;

    int GetMelderNr() const;
    void SetMelderNr(int nummer); // kept as given, also for the wired input
    TEnumMelder GetMelderBereich() const;
    int8_t GetSicherungsBereichMelder() const;
    int8_t GetMelderArt() const;
    int GetIndexMelderText() const;
    bool MelderTextUsed(int n) const;
    AnsiString GetMelderText() const;
    int8_t GetMelderTyp() const;
    bool GetAktivBei() const;

    // Stores the kind and sets the area it implies (the wired input: SB 1 when the variant
    // has it, else the hold-up area) and resets the other settings; false for a kind outside
    // 0 to 6, which is stored and changes nothing else.
    bool SetMelderBereich(TEnumMelder kind);
    void SetVarianteAz(uint32_t variante); // stores it, nothing else
    uint32_t GetVarianteAz() const;
    // The wired input follows a new variant: an area that the variant no longer has is
    // replaced (area 1 by 2, areas 2 to 4 by 1) and the user is told; the record is written.
    // False for the fire or hold-up area, or when the record cannot be had.
    bool ChangeVarianteAz(uint32_t variante);
    static bool Exist_SB1(uint32_t variante);
    static bool Exist_SB2(uint32_t variante);
    static bool Exist_SB3(uint32_t variante);
    static bool Exist_SB4(uint32_t variante);

    uint32_t GetMelderParameterblock() const;
    // The word and the text; ClearDbParameter writes 0 and the empty text to the same ids.
    // Without a writer (1170) nothing is written; the text fetches the writer once more.
    bool WriteDataToDb();
    bool ClearDbParameter();

    // Rebuilds the text list (the 20 presets and the detector text, sorted without regard to
    // case; a text equal to a preset stands twice) and gives the position of the detector
    // text in it, or -1.
    void SetMelderTextListe(int &index);
    // The device instance hands out the editable texts' list; this detector does not use it.
    void SetMelderTextListe(TStringList *liste);
    const TStringList &GetMelderTextListe() const;
    // Appends one empty entry; false without a list.
    bool GetPhysAdrSe(TEnumMelder kind, TStringList *liste);
    // A combo-box row with a given style and flag (the text row: a drop-down with edit field).
    int AddRowComboBoxStyle(TDrawGridSE *grid, const AnsiString &caption, int rowId,
                            const TStringList *items, int index, TComboBoxStyle style, bool flag,
                            int helpIndex, bool newRow);

    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row);
    // Leaving the text cell puts the rebuilt text list into it and refreshes the tree names.
    void GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row);
    void GridSpinEditChange(TObject *sender, TCell &cell, int col, int row);
    void GridEllipseClick(TObject *sender, TCell &cell, int col, int row);

private:
    static const TAzFelder<TAzMelder> &Felder();
    bool WriteParameter(int32_t wort, const AnsiString &text);
    // The switching devices' sabotage inputs after an input-type change (requests 10, 8, 7).
    void EingangsTypGeaendert(int8_t alt);
    LRESULT SendRequest(uint8_t code);

    TEnumMelder FMelderBereich = T_DB_EnumAzMelder::eMelderSb1;
    int8_t FSicherungsBereich = 1; // 1 .. 4 SB 1 .. 4, 5 fire area, 6 hold-up area
    int8_t FMelderArt = eMelderSofort;
    int32_t FZusatzWert = 0; // kept and copied only
    int32_t FIndexMelderText = 0;
    int8_t FMelderTyp = 0; // 0 "Kontakt", 1 "Bewegung", 2 "Glasbruch"
    bool FAktivBei = true;
    int32_t FMelderNr = 0;
    uint32_t FVarianteAz;
    AnsiString FMelderText;
    TStringList FTextListe;
};
