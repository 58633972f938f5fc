// The fixed texts that the panel shows on its display units ("Initialisiere", "Netzausfall",
// "Scharf" ...): 50 texts, each with its default (also its row caption) and the first of its
// four device parameters. They are edited in four foldable groups of the grid, kept in a chain
// of sub-records behind the object's record (one text in String1 of each, in key order) that
// every Write rebuilds, and written to the panel with the four-parameter text encoding.
#pragma once

#include "objectmodel/AzDeviceParam.h"
#include "objectmodel/TAzObjekt.h"

#include <array>
#include <cstdint>
#include <map>

class TStringList;

class TAzEditierbareTexte : public TAzObjekt<TDataBasis, AzKlasse::EditierbareTexte>,
                            public TAzVierParameterText<TAzEditierbareTexte> {
public:
    // Row ids: the four group captions, then one edit row per text with id 10 + key.
    enum : int {
        RowAllgemein = 6,
        RowMelderSabotage = 7,
        RowScharfschaltung = 8,
        RowAlarmierung = 9,
        RowErsterText = 10,
    };
    static constexpr int AnzahlTexte = 50;

    struct TText {
        AnsiString Label; // the default text; an empty one is not shown in the grid
        AnsiString Text;
        int16_t ParamId; // the first of the text's four device parameters
    };

    TAzEditierbareTexte(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzEditierbareTexte() override;

    // Base first, then the texts from the chain behind the record, in key order. A chain
    // shorter than 50 leaves the remaining texts as they are; a chained record that cannot be
    // had ends the walk and is reported once.
    void InitFromDB(TDatenStruktur &record) override;
    // Base first, then the old chain is deleted (1129) and a new one made, one sub-record per
    // text in key order. A sub-record that cannot be made ends the chain and is reported once.
    void Write(TDatenStruktur &record) override;
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    bool DatenAbgleich(bool, bool) override {
        LOG_FKT("TAzEditierbareTexte::DatenAbgleich");
        return DatenAbgleichDefaultName();
    }
    bool IsVisible() const override;

    // The 50 texts, four parameters each, in key order (SetHardwareTexteToDb).
    bool WriteDataToDb();
    bool SetHardwareTexteToDb();
    // The device instance asks for a detector text list; this object keeps none (detector
    // texts live in the detectors), so the list stays as it is.
    void GetMelderTextListe(TStringList *list) const;

    const std::map<int, TText> &Texte() const {
        LOG_FKT("TAzEditierbareTexte::Texte");
        return FTexte;
    }
    TCell::TEnumGroupTitleState GetGruppenStatus(int gruppe) const;

    void GridGroupTitleClick(TObject *sender, TCell &cell, int col, int row);
    // Only for the grid's edit field: a changed text is taken, written, 1163 posted.
    void GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row);
    void GridEllipseClick(TObject *sender, TCell &cell, int col, int row);

private:
    bool GruppeOffen(int gruppe) const;
    void MeldeFehlendenDatensatz(const char *methode, const AnsiString &text) const;
    // The sub-record behind previous when it is a text record of the chain; otherwise null,
    // and previous ends the chain.
    TDatenStruktur *NaechsterTextDatensatz(TDatenStruktur &previous);

    std::map<int, TText> FTexte;
    std::array<TCell::TEnumGroupTitleState, 4> FGruppen;
};
