// What every folder reconstructor does alike, written once: its record (kind, type, parent,
// Name, Param1 = order), the parameters and bus objects of its tables, its sub-objects, and
// the panel texts of 14 bytes.
#pragma once

#include "platform/log/Log.h"
#include "platform/recobase/TRecoBasisClass.h"
#include "platform/recobase/TRecoObjectManagement.h"
#include "reconstruction/TRecoFelder.h"

#include <memory>
#include <span>

class TRecoAzBasis : public TRecoBasisClass {
public:
    // Panel texts: 14 bytes.
    static constexpr uint32_t kTextLaenge = 14;

    TRecoAzBasis(TRecoDataManagament *daten1, TRecoDataManagament *daten2,
                 TVumaDatenbank *datenbank, const AnsiString &name, TRecoErrors *errors,
                 TRecoObjectManagement *objekte, int order, int parent);
    ~TRecoAzBasis() override;

protected:
    // The bytes one character each, up to count or the first byte 0; false (text untouched)
    // for no bytes or count 0.
    static bool BinToText(const unsigned char *bytes, unsigned long count, AnsiString &text);

    // The record under the parent with Name and Param1 set (Param1 only when withOrder);
    // null without a database or when none can be made.
    TDatenStruktur *NeuerDatensatz(int kind, Datentyp typ, int parent, bool withOrder = true);
    // The rows of the UserSoftware block into the record, reports under the object's name.
    bool LeseFelder(std::span<const RecoFeld::TFeld> felder, uint32_t k, TDatenStruktur &record,
                    const AnsiString &objekt);
    bool LeseFelder(std::span<const RecoFeld::TFeld> felder, uint32_t k, TDatenStruktur &record) {
        LOG_FKT("TRecoAzBasis::LeseFelder");
        return LeseFelder(felder, k, record, FName);
    }
    bool BusObjekte(std::span<const RecoFeld::TBusObjekt> objekte, uint32_t k, int parent);
    // The 14-byte text at the address of a reader; false when it cannot be read.
    static bool LeseText(const TRecoDataManagament *daten, uint32_t adresse, AnsiString &text);
    // Makes a sub-object with this one's readers, database, collector and object manager,
    // runs it and deletes it whatever its result.
    template <class T, class... Args>
    bool Unterobjekt(const AnsiString &name, int order, int parent, Args &&...args) {
        LOG_FKT("TRecoAzBasis::Unterobjekt");
        const std::unique_ptr<TRecoBasisClass> objekt =
            std::make_unique<T>(FDaten1, FDaten2, FDatenbank, name, FErrors, FObjekte, order,
                                parent, std::forward<Args>(args)...);
        return objekt->RecoParameter();
    }

    TRecoObjectManagement *FObjekte;
    int FOrder;
    int FParent;
};

// Security area n (1 to 4) exists when byte n of the variant word is not 0, area 1 the highest.
bool RecoBereichExistiert(uint32_t variante, int bereich);
// How many of the four security areas exist.
int RecoBereichAnzahl(uint32_t variante);
// A text, a blank and the number ("SSB 1").
AnsiString RecoNummerName(const AnsiString &text, int nummer);
