// One display unit of the panel (type 6143), number 0 .. 3 ("Anzeige 1" .. "Anzeige 4"), a
// child of the display folder: whether it is present, which areas it shows (a mask: bits 0 .. 3
// arming areas 1 .. 4, bit 4 fire, bit 5 hold-up) and under which name. Its number picks the
// parameter that receives the mask, as a selector picks ids; it keeps a copy of the
// configuration variant word to drop the arming areas that the configuration does not have.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/AzParameterIds.h"
#include "objectmodel/TAzObjekt.h"
#include "objectmodel/TAzOrdnerAnzeige.h"
#include "platform/log/Log.h"

#include <cstdint>

class TAzAnzeige : public TAzObjekt<TDataBasis, AzKlasse::Anzeige> {
public:
    using TEnumAnzeigeNr = T_DB_EnumAzAnzeige::TEnumAnzeigeNr;

    enum : int { RowBezeichnung = 1, RowVorhanden = 2, RowBereiche = 3 };
    // Bits of the shown-areas mask.
    enum : int32_t {
        BitSsb1 = 0x01,
        BitSsb2 = 0x02,
        BitSsb3 = 0x04,
        BitSsb4 = 0x08,
        BitFeuer = 0x10,
        BitUeberfall = 0x20,
        AlleBereiche = 0x3F,
    };

    TAzAnzeige(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzAnzeige() override;

    // The display's own name (record String2), not the base's.
    AnsiString GetName(bool) const override;
    void SetDefaultName(const AnsiString &name);
    // 52 .. 55 by the display number; 51 for a number outside 0 .. 3.
    int GetIcon() const override;
    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // The mask to 14010 + 10 * number; false, nothing written, until SetAnzeigeNr or
    // InitAnzeige chose the parameter for the number the object holds.
    bool WriteDataToDb();

    // Stores the number; for 0 .. 3 its parameter is chosen too. Always true.
    bool SetAnzeigeNr(TEnumAnzeigeNr nr);
    TEnumAnzeigeNr GetAnzeigeNr(TEnumAnzeigeNr &nr) const;
    // SetAnzeigeNr with the number loaded from the record.
    bool InitAnzeige();

    int32_t GetAnzeigeSsb() const {
        LOG_FKT("TAzAnzeige::GetAnzeigeSsb");
        return FAnzeigeSsb;
    }
    void SetAnzeigeSsb(int32_t mask); // the record is not written
    bool GetStatusAnzeigeVorhanden() const;
    void SetVarianteAz(uint32_t variante); // stores the word only
    // Stores the word, clears the bits of the arming areas that it does not have and writes the
    // record.
    void ModifyAnzeigeSsb(uint32_t variante);
    // The names of the set bits in bit order, joined by ", " ("SSB1, SSB2, Feuermelder").
    static AnsiString GetTextAnzeigeSsb(int32_t mask);
    // Arming area n exists in the variant word, with security area n (its byte is not zero).
    static bool Exist_SSB1(uint32_t variante);
    static bool Exist_SSB2(uint32_t variante);
    static bool Exist_SSB3(uint32_t variante);
    static bool Exist_SSB4(uint32_t variante);
    // The mask shows that area: its one bit is set.
    static bool Anzeige_Ssb1(int32_t mask);
    static bool Anzeige_Ssb2(int32_t mask);
    static bool Anzeige_Ssb3(int32_t mask);
    static bool Anzeige_Ssb4(int32_t mask);
    static bool Anzeige_Feuer(int32_t mask);
    static bool Anzeige_Ueberfall(int32_t mask);

    void GridComboBoxChange(TObject *sender, TCell &cell, int col, int row);
    void GridEllipseClick(TObject *sender, TCell &cell, int col, int row);
    void GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row);

private:
    static const TAzFelder<TAzAnzeige> &Felder();
    // Request 19: the display folder takes the display's mask.
    void MeldeBereiche();

    AnsiString FAnzeigeName;
    int8_t FVorhanden = 1;
    TEnumAnzeigeNr FAnzeigeNr = T_DB_EnumAzAnzeige::eAnzeige1;
    int32_t FAnzeigeSsb = AlleBereiche;
    uint32_t FVarianteAz = 0x113344CC;
    TAzParameterIds<1> FIds;
};
