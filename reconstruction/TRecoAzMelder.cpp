#include "reconstruction/TRecoAzMelder.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

#include <string>

namespace {
using namespace RecoFeld;
using D = TDatenStruktur;

constexpr Datentyp kTyp = 6124;
constexpr uint32_t kWorte = 0xBEBB;
constexpr uint32_t kTexte = 0xAD32;
constexpr int kTextVerdrahtet = 11309;
constexpr int kBereichVerdrahtet = 2;

// The word's cells by the slot index k = n - 1 (first byte W, second W + 1).
const TFeld kBereich = {
    .Adresse = kWorte + 1, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 3, .Anzahl = 3};
const TFeld kFelder[] = {
    {.Adresse = kWorte + 1,
     .Schritt = 2,
     .Art = TArt::Bits,
     .ErstesBit = 0,
     .Anzahl = 3,
     .Param = &D::Param3,
     .Erlaubt = {0, 5},
     .StandardWert = 1,
     .Meldungen = {{{"", 11034}, {"", 11217}}}},
    // The text index the panel keeps in the word: kept, not thrown away.
    {.Adresse = kWorte, .Schritt = 2, .Art = TArt::TextIndex, .Param = &D::Param5},
    {.Adresse = kWorte,
     .Schritt = 2,
     .Art = TArt::Bits,
     .ErstesBit = 5,
     .Anzahl = 2,
     .Param = &D::Param6,
     .Erlaubt = {0, 2},
     .StandardWert = 0,
     .Meldungen = {{{"", 11037}, {"", 11227}}}},
    {.Adresse = kWorte, .Schritt = 2, .Art = TArt::Bits, .ErstesBit = 7, .Bool = &D::Bool3},
};

// What an area code decides: the area record (index into the folder's handles: fire, hold-up,
// SB 1 .. SB 4; -1 none), the Name, Param4 and the area index Param8 (-1: not written).
struct TBereichZeile {
    int Handle;
    int NameId;
    int Param4;
    int Param8;
};
constexpr TBereichZeile kBereiche[8] = {
    {-1, 0, 0, -1},   // 0: no area
    {2, 11303, 1, 3}, // SB 1
    {3, 11304, 2, 4}, // SB 2
    {4, 11305, 3, 5}, // SB 3
    {5, 11306, 4, 6}, // SB 4
    {0, 11307, 5, 0}, // fire area
    {1, 11308, 6, 1}, // hold-up area
    {2, 11303, 1, 3}, // not a panel code: SB 1, reported
};
constexpr int kCodeFalsch = 7;
} // namespace

TRecoAzMelder::TRecoAzMelder(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                             TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                             TRecoObjectManagement *objekte, int order, int parent,
                             TRecoDataManagament *melderTexte, int nummer, int feuer, int ueberfall,
                             int sb1, int sb2, int sb3, int sb4)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, objekte, order, parent),
      FMelderTexte(melderTexte), FNummer(nummer), FBereiche{feuer, ueberfall, sb1, sb2, sb3, sb4} {
    LOG_FKT("TRecoAzMelder::TRecoAzMelder");
}

TRecoAzMelder::~TRecoAzMelder() {
    LOG_FKT("TRecoAzMelder::~TRecoAzMelder");
}

uint32_t TRecoAzMelder::WortAdresse(int nummer) {
    LOG_FKT("TRecoAzMelder::WortAdresse");
    return kWorte + 2 * static_cast<uint32_t>(nummer - 1);
}

uint32_t TRecoAzMelder::TextAdresse(int nummer) {
    LOG_FKT("TRecoAzMelder::TextAdresse");
    const uint32_t index = nummer == kVerdrahtet ? 160 : static_cast<uint32_t>(nummer - 1);
    return kTexte + kTextLaenge * index;
}

bool TRecoAzMelder::RecoParameter() {
    LOG_FKT("TRecoAzMelder::RecoParameter");
    // Slot 161 is the tamper input's.
    if (!FDatenbank || !FDaten1 || FNummer < 1 || FNummer > kVerdrahtet || FNummer == 161)
        return false;
    const uint32_t k = static_cast<uint32_t>(FNummer - 1);
    uint32_t code = 0;
    if (!Lese(*FDaten1, kBereich, k, code))
        return false;
    const TBereichZeile &bereich = kBereiche[code & 7];
    int parent = bereich.Handle < 0 ? 0 : FBereiche[bereich.Handle];
    AnsiString name = bereich.NameId ? SprText(bereich.NameId) : AnsiString();
    int param8 = bereich.Param8;
    if (code == kCodeFalsch && FErrors)
        FErrors->ErrorDefaultParam(name, SprText(11057), SprText(11322), "");
    if (FNummer == kVerdrahtet) {
        parent = FParent;
        name = SprText(kTextVerdrahtet);
        param8 = kBereichVerdrahtet;
    }

    TDatenStruktur *record = FDatenbank->CreateDatensatz(1, kTyp, parent);
    if (!record)
        return false;
    record->Name = name;
    record->Param1 = FOrder;
    record->Param4 = bereich.Param4;
    if (!LeseFelder(kFelder, k, *record, name))
        return false;
    if (param8 >= 0)
        record->Param8 = param8;
    record->Param9 = FNummer;
    if (!LeseText(FMelderTexte, TextAdresse(FNummer), record->String4))
        return false;
    // A detector without an area (code 0, or an area the panel does not have) is in no tree
    // but keeps its number and its device parameters: the list names it, so that the user
    // finds it.
    if (parent == 0 && FErrors)
        FErrors->ErrorDefaultParam("Melder " + std::to_string(FNummer), SprText(11057), "keiner",
                                   record->String4);

    // Object n - 1 with id 10 n; detector 160 and the wired input have ids of their own.
    const int id = FNummer == 160 ? 1591 : FNummer == kVerdrahtet ? 1593 : 10 * FNummer;
    const TBusObjekt objekt[] = {{FNummer - 1, 0, 0, 1, id, 0, bereich.Param4}};
    return BusObjekte(objekt, 0, record->Handle);
}
