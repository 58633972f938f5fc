#include "reconstruction/TRecoAzBasis.h"

#include "platform/log/Log.h"

TRecoAzBasis::TRecoAzBasis(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                           TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                           TRecoObjectManagement *objekte, int order, int parent)
    : TRecoBasisClass(daten1, daten2, datenbank, name, errors), FObjekte(objekte), FOrder(order),
      FParent(parent) {
    LOG_FKT("TRecoAzBasis::TRecoAzBasis");
}

TRecoAzBasis::~TRecoAzBasis() {
    LOG_FKT("TRecoAzBasis::~TRecoAzBasis");
}

bool TRecoAzBasis::BinToText(const unsigned char *bytes, unsigned long count, AnsiString &text) {
    LOG_FKT("TRecoAzBasis::BinToText");
    if (!bytes || count == 0)
        return false;
    unsigned long n = 0;
    while (n < count && bytes[n] != 0)
        ++n;
    text.assign(reinterpret_cast<const char *>(bytes), n);
    return true;
}

TDatenStruktur *TRecoAzBasis::NeuerDatensatz(int kind, Datentyp typ, int parent, bool withOrder) {
    LOG_FKT("TRecoAzBasis::NeuerDatensatz");
    if (!FDatenbank)
        return nullptr;
    TDatenStruktur *record = FDatenbank->CreateDatensatz(kind, typ, parent);
    if (!record)
        return nullptr;
    record->Name = FName;
    if (withOrder)
        record->Param1 = FOrder;
    return record;
}

bool TRecoAzBasis::LeseFelder(std::span<const RecoFeld::TFeld> felder, uint32_t k,
                              TDatenStruktur &record, const AnsiString &objekt) {
    LOG_FKT("TRecoAzBasis::LeseFelder");
    return FDaten1 && RecoFeld::LeseFelder(*FDaten1, felder, k, record, FErrors, objekt);
}

bool TRecoAzBasis::BusObjekte(std::span<const RecoFeld::TBusObjekt> objekte, uint32_t k,
                              int parent) {
    LOG_FKT("TRecoAzBasis::BusObjekte");
    return RecoFeld::MacheBusObjekte(FObjekte, objekte, k, parent);
}

bool TRecoAzBasis::LeseText(const TRecoDataManagament *daten, uint32_t adresse, AnsiString &text) {
    LOG_FKT("TRecoAzBasis::LeseText");
    unsigned char bytes[kTextLaenge];
    for (uint32_t i = 0; i < kTextLaenge; ++i)
        if (!daten || !daten->GetByteFromAddr(adresse + i, bytes[i]))
            return false;
    return BinToText(bytes, kTextLaenge, text);
}

bool RecoBereichExistiert(uint32_t variante, int bereich) {
    LOG_FKT("RecoBereichExistiert");
    if (bereich < 1 || bereich > 4)
        return false;
    return ((variante >> (8 * (4 - bereich))) & 0xFF) != 0;
}

int RecoBereichAnzahl(uint32_t variante) {
    LOG_FKT("RecoBereichAnzahl");
    int anzahl = 0;
    for (int n = 1; n <= 4; ++n)
        anzahl += RecoBereichExistiert(variante, n) ? 1 : 0;
    return anzahl;
}

AnsiString RecoNummerName(const AnsiString &text, int nummer) {
    LOG_FKT("RecoNummerName");
    return text + " " + std::to_string(nummer);
}
