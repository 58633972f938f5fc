#include "platform/recobase/TRecoObjectManagement.h"

#include "platform/log/Log.h"

namespace {
// The bus tool's type codes 0 to 15 by their length in bits (15, VARDATA, has none).
constexpr unsigned char kBits[16] = {1, 2, 3, 4, 5, 6, 7, 8, 16, 24, 32, 48, 64, 80, 112, 0};
constexpr uint32_t kEntries = 3; // the count byte and the flag-table pointer come first
constexpr uint32_t kEntrySize = 4;
constexpr uint32_t kFlagsAt = 2;
constexpr uint32_t kTypeAt = 3;
constexpr int16_t kTypObjekt = 806;
constexpr int16_t kTypNebenDatensatz = 2;
} // namespace

unsigned char TRecoObjectManagement::LengthInBits(unsigned char typeCode) {
    LOG_FKT("TRecoObjectManagement::LengthInBits");
    return typeCode < 16 ? kBits[typeCode] : 0;
}

TRecoObjectManagement::TRecoObjectManagement(TRecoDataManagament *objekte,
                                             TRecoDataManagament *adressen,
                                             TRecoDataManagament *assoziationen,
                                             TVumaDatenbank *datenbank, TRecoErrors *errors,
                                             uint32_t tabelle, int v1, int v2, int v3, int v4,
                                             bool b1, int v5, int v6, int v7, int v8, int v9,
                                             bool readOnly, int v10, int v11, int v12)
    : FObjekte(objekte), FAdressen(adressen), FAssoziationen(assoziationen), FDatenbank(datenbank),
      FErrors(errors), FTabelle(tabelle), FV1(v1), FV2(v2), FV3(v3), FV4(v4), FB1(b1), FV5(v5),
      FV6(v6), FV7(v7), FV8(v8), FV9(v9), FReadOnly(readOnly), FV10(v10), FV11(v11), FV12(v12) {
    LOG_FKT("TRecoObjectManagement::TRecoObjectManagement");
}

TRecoObjectManagement::~TRecoObjectManagement() {
    LOG_FKT("TRecoObjectManagement::~TRecoObjectManagement");
}

bool TRecoObjectManagement::ObjektCount(unsigned char &count) {
    LOG_FKT("TRecoObjectManagement::ObjektCount");
    return FObjekte && FObjekte->GetByteFromAddr(FTabelle, count);
}

bool TRecoObjectManagement::GetObjektData(int objekt, unsigned char &flags, unsigned char &typ,
                                          unsigned char &bits) {
    LOG_FKT("TRecoObjectManagement::GetObjektData");
    unsigned char count = 0;
    if (objekt < 0 || !ObjektCount(count) || objekt >= count)
        return false;
    const uint32_t entry = FTabelle + kEntries + kEntrySize * static_cast<uint32_t>(objekt);
    unsigned char f = 0;
    unsigned char t = 0;
    if (!FObjekte->GetByteFromAddr(entry + kFlagsAt, f) ||
        !FObjekte->GetByteFromAddr(entry + kTypeAt, t))
        return false;
    flags = f;
    typ = t;
    bits = LengthInBits(t);
    return t < 16;
}

bool TRecoObjectManagement::GetObjektGroupAddresses(int objekt, bool &found,
                                                    std::vector<unsigned short> &first,
                                                    std::vector<unsigned short> &second) {
    LOG_FKT("TRecoObjectManagement::GetObjektGroupAddresses");
    found = false;
    first.clear();
    second.clear();
    unsigned char count = 0;
    if (objekt < 0 || !ObjektCount(count) || objekt >= count || !FAdressen || !FAssoziationen)
        return false;
    unsigned char adressen = 0;
    unsigned char assoziationen = 0;
    if (!FAdressen->GetByte(0, adressen) || !FAssoziationen->GetByte(0, assoziationen))
        return false;
    std::vector<unsigned short> result;
    for (uint32_t j = 1; j <= assoziationen; ++j) {
        unsigned char index = 0;
        unsigned char nummer = 0;
        if (!FAssoziationen->GetByte(2 * j - 1, index) || !FAssoziationen->GetByte(2 * j, nummer))
            return false;
        // Entry 0 is the device's own physical address, not a group address.
        if (nummer != objekt || index == 0 || index >= adressen)
            continue;
        unsigned short adresse = 0;
        if (!FAdressen->GetWord(1 + 2 * static_cast<uint32_t>(index), adresse))
            return false;
        result.push_back(adresse);
    }
    first = std::move(result);
    found = !first.empty();
    return true;
}

bool TRecoObjectManagement::RecoObjekt(int objekt, int parent, const AnsiString &name,
                                       const AnsiString &, int positionId, int, int,
                                       int parameterId, int wert, int, int, int, int) {
    LOG_FKT("TRecoObjectManagement::RecoObjekt");
    if (!FDatenbank)
        return false;
    unsigned char flags = 0;
    unsigned char typ = 0;
    unsigned char bits = 0;
    if (!GetObjektData(objekt, flags, typ, bits))
        return false;
    bool found = false;
    std::vector<unsigned short> adressen;
    std::vector<unsigned short> zweite;
    if (!GetObjektGroupAddresses(objekt, found, adressen, zweite))
        return false;

    TDatenStruktur *record = FDatenbank->CreateDatensatz(1, kTypObjekt, parent);
    if (!record)
        return false;
    record->Name = name;
    record->Param1 = positionId;
    record->Param3 = wert;
    record->Param4 = objekt;
    record->Param8 = typ + 1;
    record->Param15 = found ? adressen.front() : 0;
    record->Param16 = parameterId;
    record->Param17 = wert;

    TDatenStruktur *previous = record;
    const int handle = record->Handle;
    for (size_t i = 1; i < adressen.size(); ++i) {
        TDatenStruktur *sub = FDatenbank->CreateDatensatz(1, kTypNebenDatensatz, handle);
        if (!sub)
            return false;
        sub->Param15 = adressen[i];
        previous->Next = sub->Handle;
        previous = sub;
    }
    return true;
}
