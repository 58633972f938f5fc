// The folder of the up to four display units (type 6142). Unlike the pure folders it is a data
// class: it keeps which areas each display acknowledges and writes their union to the panel as
// one parameter (10100). The device instance reports each display's mask whenever a display's
// areas change and when the data are aligned; only the union is kept in the record.
#pragma once

#include "objectmodel/AzFelder.h"
#include "objectmodel/TAzObjekt.h"
#include "platform/log/Log.h"

#include <array>
#include <cstdint>

namespace T_DB_EnumAzAnzeige {
// The number of a display unit, shown to the user as "Anzeige 1" .. "Anzeige 4".
enum TEnumAnzeigeNr : uint8_t { eAnzeige1 = 0, eAnzeige2 = 1, eAnzeige3 = 2, eAnzeige4 = 3 };
} // namespace T_DB_EnumAzAnzeige

class TAzOrdnerAnzeige : public TAzObjekt<TDataBasis, AzKlasse::OrdnerAnzeige> {
public:
    static constexpr int AnzahlAnzeigen = 4;

    TAzOrdnerAnzeige(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzOrdnerAnzeige() override;

    void InitFromDB(TDatenStruktur &record) override;
    void Write(TDatenStruktur &record) override;
    bool DatenAbgleich(bool, bool) override {
        LOG_FKT("TAzOrdnerAnzeige::DatenAbgleich");
        return DatenAbgleichDefaultName();
    }
    // No rows; with flag A set the grid's tag says that the object shows nothing.
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;
    // 10100: the union of the displays' masks.
    bool WriteDataToDb();

    // Display nr's mask := mask (nr 0 .. 3; any other nr changes no mask), the union computed
    // anew and the record written. The union loaded from the record is not merged: after a
    // load it follows the displays reported since.
    void ModifyQuittierungMelder(int mask, T_DB_EnumAzAnzeige::TEnumAnzeigeNr nr);
    int32_t GetQuittierungMelder() const {
        LOG_FKT("TAzOrdnerAnzeige::GetQuittierungMelder");
        return FGesamt;
    }

private:
    static const TAzFelder<TAzOrdnerAnzeige> &Felder();

    std::array<int32_t, AnzahlAnzeigen> FMasken{};
    int32_t FGesamt = 0;
};
