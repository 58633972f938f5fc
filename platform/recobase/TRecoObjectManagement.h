// The panel's bus tables as the reconstruction reads them, and the records of its bus objects.
//
// Object table (from its first address B): the object count at B, the pointer to the flag
// table at B+1 (high byte first), then four bytes per object from B+3: the pointer to its value
// (high byte first), its flags (TEtsObjectFlags bits) and its type code (the bus tool's: 0 = 1
// bit ... 14 = 14 bytes, 15 = VARDATA). Address table: count N, then N words, the first the
// device's own physical address, entries 1..N-1 group addresses. Association table: count A,
// then A pairs (address-table index, object number).
#pragma once

#include "platform/recobase/TRecoDataManagament.h"
#include "platform/recobase/TRecoErrors.h"
#include "platform/recobase/TVumaDatenbank.h"
#include "platform/vcl/AnsiString.h"

#include <cstdint>
#include <vector>

class TRecoObjectManagement {
public:
    // The length in bits of a type code; 0 for VARDATA and for an unknown code.
    static unsigned char LengthInBits(unsigned char typeCode);

    // Readers, database and error collector are borrowed. The values after the table address
    // are kept as the callers pass them and not used.
    TRecoObjectManagement(TRecoDataManagament *objekte, TRecoDataManagament *adressen,
                          TRecoDataManagament *assoziationen, TVumaDatenbank *datenbank,
                          TRecoErrors *errors, uint32_t tabelle, int v1, int v2, int v3, int v4,
                          bool b1, int v5, int v6, int v7, int v8, int v9, bool readOnly, int v10,
                          int v11, int v12);
    virtual ~TRecoObjectManagement();
    TRecoObjectManagement(const TRecoObjectManagement &) = delete;
    TRecoObjectManagement &operator=(const TRecoObjectManagement &) = delete;

    // Makes the records of one bus object: its 806 record under parent (Param4 the number,
    // Name, Param1 position id, Param16 parameter id, Param3 and Param17 the switching value,
    // Param8 type code + 1, Param15 its sending group address) and one record of type 2 per
    // further group address, chained behind it. False: no database, an object not below the
    // count, tables that cannot be read, or a record that cannot be made.
    virtual bool RecoObjekt(int objekt, int parent, const AnsiString &name, const AnsiString &text,
                            int positionId, int arg6, int arg7, int parameterId, int wert,
                            int arg10, int arg11, int arg12, int arg13);

    // Flags, type code and length in bits of an object below the count; false otherwise or for
    // a type code the bus does not know (flags and type are given then still).
    bool GetObjektData(int objekt, unsigned char &flags, unsigned char &typ, unsigned char &bits);
    // first: the group addresses of the object's associations in table order (the first one is
    // the one it sends on); an association whose index is not a group-address entry gives
    // none. second stays empty. found: any address given. False for an object not below the
    // count or tables that cannot be read.
    bool GetObjektGroupAddresses(int objekt, bool &found, std::vector<unsigned short> &first,
                                 std::vector<unsigned short> &second);

private:
    bool ObjektCount(unsigned char &count);

    TRecoDataManagament *FObjekte;
    TRecoDataManagament *FAdressen;
    TRecoDataManagament *FAssoziationen;
    TVumaDatenbank *FDatenbank;
    TRecoErrors *FErrors;
    uint32_t FTabelle;
    // As the callers pass them.
    int FV1, FV2, FV3, FV4;
    bool FB1;
    int FV5, FV6, FV7, FV8, FV9;
    bool FReadOnly;
    int FV10, FV11, FV12;
};
