#include "reconstruction/TRecoAzEditierbareTexte.h"

#include "platform/log/Log.h"

namespace {
constexpr Datentyp kTypOrdner = 6121;
constexpr Datentyp kTypText = 2;
} // namespace

const uint16_t TRecoAzEditierbareTexte::kAdressen[kTexte] = {
    0xB8F2, 0xB92A, 0xBBFE, 0xBD5C, 0xB8D6, 0xB8E4, 0xB90E, 0xB91C, 0xBBD4, 0xBBE2,
    0xBC8A, 0xBC98, 0xBCDE, 0xBCEC, 0xBDB0, 0xBDBE, 0xBDCC, 0xBDDA, 0xBDE8, 0xB900,
    0xB938, 0xB946, 0xBBF0, 0xBC0C, 0xBC1A, 0xBC28, 0xBC36, 0xBC44, 0xBC52, 0xBC60,
    0xBC6E, 0xBC7C, 0xBCA6, 0xBCB4, 0xBCC2, 0xBCD0, 0xBCFA, 0xBD08, 0xBD16, 0xBD24,
    0xBD32, 0xBD40, 0xBD4E, 0xBD6A, 0xBD78, 0xBD86, 0xBD94, 0xBDA2, 0xBDF6, 0xBE04};

TRecoAzEditierbareTexte::TRecoAzEditierbareTexte(TRecoDataManagament *daten1,
                                                 TRecoDataManagament *daten2,
                                                 TVumaDatenbank *datenbank, const AnsiString &name,
                                                 TRecoErrors *errors, int order)
    : TRecoAzBasis(daten1, daten2, datenbank, name, errors, nullptr, order, 1) {
    LOG_FKT("TRecoAzEditierbareTexte::TRecoAzEditierbareTexte");
}

TRecoAzEditierbareTexte::~TRecoAzEditierbareTexte() {
    LOG_FKT("TRecoAzEditierbareTexte::~TRecoAzEditierbareTexte");
}

bool TRecoAzEditierbareTexte::CreateDsText(uint32_t adresse, int parent, TDatenStruktur *&record) {
    LOG_FKT("TRecoAzEditierbareTexte::CreateDsText");
    record = FDatenbank ? FDatenbank->CreateDatensatz(1, kTypText, parent) : nullptr;
    if (!record)
        return false;
    AnsiString text;
    if (!LeseText(FDaten1, adresse, text))
        return false;
    record->String1 = std::move(text);
    return true;
}

bool TRecoAzEditierbareTexte::RecoParameter() {
    LOG_FKT("TRecoAzEditierbareTexte::RecoParameter");
    TDatenStruktur *vorher = NeuerDatensatz(1, kTypOrdner, FParent);
    if (!vorher)
        return false;
    const int ordner = vorher->Handle;
    for (const uint16_t adresse : kAdressen) {
        TDatenStruktur *text = nullptr;
        CreateDsText(adresse, ordner, text);
        if (!text)
            return false;
        vorher->Next = text->Handle;
        vorher = text;
    }
    return true;
}
