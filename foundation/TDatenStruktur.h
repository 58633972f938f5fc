// One configuration record of a panel device, and its comma-text line.
// Every tree object (root, folder, detector, text, communication object) is stored as one such
// record; the field order is also the order of the 41 items of the record line.
#pragma once

#include "platform/log/Log.h"
#include "platform/vcl/AnsiString.h"

#include <cstdint>
#include <string_view>

// The record's error: one message text, thrown by value.
class E_DatenStruktur {
public:
    explicit E_DatenStruktur(AnsiString msg) : Message(std::move(msg)) {}
    AnsiString Message;
};

class TDatenStrukturBasis {
public:
    virtual bool IsEqual(const AnsiString &feld, const AnsiString &wert) const = 0;
    virtual bool IsEqual(const AnsiString &feld, int32_t wert) const = 0;
    virtual bool IsEqual(const AnsiString &feld, int16_t wert) const = 0;
    virtual bool IsEqual(const AnsiString &feld, bool wert) const = 0;
    virtual void Fill(std::string_view Datensatz) = 0;
    virtual AnsiString GetDatensatzZeile() const = 0;

    // A literal text must not decay to the bool overload.
    bool IsEqual(const AnsiString &feld, const char *wert) const {
        LOG_FKT("TDatenStrukturBasis::IsEqual");
        return IsEqual(feld, AnsiString(wert));
    }

protected:
    ~TDatenStrukturBasis() = default;
};

class TDatenStruktur : public TDatenStrukturBasis {
public:
    using TDatenStrukturBasis::IsEqual;

    // Text overload: Name, String1 .. String4 (String5 is not compared, as in every store).
    bool IsEqual(const AnsiString &feld, const AnsiString &wert) const override;
    // int32 overload: Handle, Parent, Typ (sign-extended), System, Next, Param1 .. Param19.
    bool IsEqual(const AnsiString &feld, int32_t wert) const override;
    // int16 overload: Typ only.
    bool IsEqual(const AnsiString &feld, int16_t wert) const override;
    // bool overload: Bool1 .. Bool10.
    bool IsEqual(const AnsiString &feld, bool wert) const override;
    // Sets every field from a record line; throws E_DatenStruktur (record unchanged) when
    // the line has fewer than 40 items.
    void Fill(std::string_view Datensatz) override;
    AnsiString GetDatensatzZeile() const override;
    virtual AnsiString GetKopfZeile() const;
    virtual AnsiString GetKommentarZeile() const;

    // Order by the named field: integers signed, texts by unsigned bytes. Bools, String5 and
    // unknown names throw E_DatenStruktur.
    bool IsLess(const AnsiString &feld, const TDatenStruktur &other) const;

    int32_t Handle = 0;
    AnsiString Name;
    int16_t Typ = 0;
    int32_t Parent = 0;
    int32_t System = 0;
    int32_t Next = 0;
    int32_t Param1 = 0, Param2 = 0, Param3 = 0, Param4 = 0, Param5 = 0, Param6 = 0, Param7 = 0,
            Param8 = 0, Param9 = 0, Param10 = 0, Param11 = 0, Param12 = 0, Param13 = 0, Param14 = 0,
            Param15 = 0, Param16 = 0, Param17 = 0, Param18 = 0, Param19 = 0;
    bool Bool1 = false, Bool2 = false, Bool3 = false, Bool4 = false, Bool5 = false, Bool6 = false,
         Bool7 = false, Bool8 = false, Bool9 = false, Bool10 = false;
    AnsiString String1, String2, String3, String4, String5;
};
