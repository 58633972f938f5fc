// The project's group-address tree as the bus tool hands it to a plug-in: TEtsGruppenAdressen
// reads it (Einlesen) into main, middle and sub groups and creates new addresses in the project.
//
// Group-address word: 16 bits, main * 2048 + middle * 256 + sub (three levels: main 0..15,
// middle 0..7, sub 0..255), or main * 2048 + sub (two levels: sub 0..2047); bit 15 is unused.
// The project stores three levels. The public flag ThreeLevel, set before each reading, selects
// the view: three levels as stored, or two levels, where every main group has exactly one
// middle group, number 0, holding all its sub groups by ascending word, each numbered by its
// word & 0x7FF. That middle group exists only in the view: its id is the main group's id,
// negated, so it never meets an id of the project, and its name is the main group's.
//
// Order: main groups by number, middle groups by number, sub groups by number (by word in the
// two-level view). The First/Next walks keep one position per node (and one for the main
// groups in the reader): a walk of one node's children restarts with First. Nodes belong to the
// reader and live until the next Einlesen or the reader's end; creating an address adds nodes
// and keeps the existing ones. Names are Windows-1252.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class TEts2Cdi;
class TEtsMiddleGroup;
class TEtsMainGroup;

class TEtsSubGroup {
public:
    TEtsSubGroup(int32_t id, int number, uint16_t word, int type, AnsiString name,
                 TEtsMiddleGroup *middleGroup);
    int32_t GetGroupId() const;
    // Number within its middle group: 0..255, or 0..2047 in the two-level view.
    int GetNumber() const;
    uint16_t GetGrpAddr() const;
    // The bus type code of the objects linked to it when read (-1 = untyped).
    int GetSubAdrTyp() const;
    AnsiString GetName() const;
    TEtsMiddleGroup *GetMiddleGroup() const;

private:
    int32_t FId;
    int FNumber;
    uint16_t FWord;
    int FType;
    AnsiString FName;
    TEtsMiddleGroup *FMiddleGroup;
};

class TEtsMiddleGroup {
public:
    TEtsMiddleGroup(int32_t id, int number, AnsiString name, TEtsMainGroup *mainGroup);
    int32_t GetGroupId() const;
    int GetNumber() const;
    AnsiString GetName() const;
    TEtsMainGroup *GetMainGroup() const;
    // Its sub groups; null at the end.
    TEtsSubGroup *GetSubGroupFirst();
    TEtsSubGroup *GetSubGroupNext();
    // Adds a sub group in its place by number.
    TEtsSubGroup *Add(std::unique_ptr<TEtsSubGroup> subGroup);

private:
    int32_t FId;
    int FNumber;
    AnsiString FName;
    TEtsMainGroup *FMainGroup;
    std::vector<std::unique_ptr<TEtsSubGroup>> FSubGroups;
    size_t FNext = 0;
};

class TEtsMainGroup {
public:
    TEtsMainGroup(int32_t id, int number, AnsiString name);
    int32_t GetGroupId() const;
    int GetNumber() const;
    uint16_t GetGrpAddr() const;
    AnsiString GetName() const;
    // Its middle groups; null at the end.
    TEtsMiddleGroup *GetMiddleGroupFirst();
    TEtsMiddleGroup *GetMiddleGroupNext();
    TEtsMiddleGroup *FindMiddleGroup(int number);
    // Adds a middle group in its place by number.
    TEtsMiddleGroup *Add(std::unique_ptr<TEtsMiddleGroup> middleGroup);

private:
    int32_t FId;
    int FNumber;
    AnsiString FName;
    std::vector<std::unique_ptr<TEtsMiddleGroup>> FMiddleGroups;
    size_t FNext = 0;
};

class TEtsGruppenAdressen {
public:
    // The interface object is borrowed; it must outlive this reader.
    TEtsGruppenAdressen(TEts2Cdi *cdi, int32_t deviceId);
    virtual ~TEtsGruppenAdressen();
    TEtsGruppenAdressen(const TEtsGruppenAdressen &) = delete;
    TEtsGruppenAdressen &operator=(const TEtsGruppenAdressen &) = delete;

    // Three levels (true) or two: set before each reading; also the form of GrpAddrString.
    bool ThreeLevel = true;

    // Reads the tree of the device's project anew; false (and an empty tree) when the project
    // cannot be read. Injected failures: "TEtsGruppenAdressen::Einlesen".
    bool Einlesen(int32_t deviceId);

    TEtsMainGroup *GetMainGroupFirst();
    TEtsMainGroup *GetMainGroupNext();
    TEtsMiddleGroup *GetMiddleGroupFirst(TEtsMainGroup *mainGroup);
    TEtsMiddleGroup *GetMiddleGroupNext(TEtsMainGroup *mainGroup);
    TEtsSubGroup *GetSubGroupFirst(TEtsMiddleGroup *middleGroup);
    TEtsSubGroup *GetSubGroupNext(TEtsMiddleGroup *middleGroup);

    // Creates the address (a, b, c) in the project, with the main and middle groups it needs
    // (named as TProjectDatabase::AddGroupAddress names them), and adds its nodes to the tree.
    // Three levels: a 0..15, b 0..7, c 0..255; two levels: the word a * 2048 + b * 256 + c with
    // a 0..15, b 0..7 and b * 256 + c at most 2047 (so both (main, 0, sub) and the split form
    // are taken). False, and no sub group, for numbers out of range, the address 0 and an
    // address that exists. Injected failures: "TEtsGruppenAdressen::CreateGroupAddress" (a
    // non-zero code answers true without a sub group).
    bool CreateGroupAddress(TEtsSubGroup *&subGroup, int16_t a, int16_t b, int16_t c,
                            const AnsiString &name);

    // The word and its text ("M/m/S" or "M/S", by ThreeLevel) of a sub group of the tree;
    // 0 and "" for an id that the tree does not hold.
    uint16_t GetGrpAddr(int32_t subGroupId);
    AnsiString GrpAddrString(int32_t subGroupId);
    TEtsSubGroup *FindSubGroup(int32_t subGroupId);

private:
    TEtsMainGroup *AddMainGroup(int32_t id, int number, const AnsiString &name);
    TEtsSubGroup *AddSubGroup(TEtsMiddleGroup *middleGroup, int32_t id, int number, uint16_t word,
                              int type, const AnsiString &name);

    TEts2Cdi *FCdi;
    int32_t FDeviceId;
    bool FTreeThreeLevel = true;
    std::vector<std::unique_ptr<TEtsMainGroup>> FMainGroups;
    std::map<int32_t, TEtsSubGroup *> FSubGroupsById;
    size_t FNext = 0;
};
