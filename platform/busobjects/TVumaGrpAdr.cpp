#include "platform/busobjects/TVumaGrpAdr.h"

#include "foundation/SprTexte.h"
#include "platform/bustool/TEtsGruppenAdressen.h"
#include "platform/log/Log.h"

#include <string>

namespace {
// What each level shows in the tree.
struct TEbene {
    int16_t Typ;
    int Icon;
    int ListStyle;
    int16_t Kind; // the type of node below it; 0: none
};
constexpr TEbene kEbenen[] = {
    {TVumaGrpAdrMain::Typ, 71, 0, TVumaGrpAdrMiddle::Typ},
    {TVumaGrpAdrMiddle::Typ, 72, 0, TVumaGrpAdrSub::Typ},
    {TVumaGrpAdrSub::Typ, 73, 1, 0},
};
const TEbene &Ebene(int16_t typ) {
    for (const TEbene &e : kEbenen)
        if (e.Typ == typ)
            return e;
    return kEbenen[0];
}
} // namespace

AnsiString ObjektTypText(int type) {
    LOG_FKT("ObjektTypText");
    const AnsiString &text = SprObjektTypText(type);
    return text.empty() ? "unbekannter Objekttyp " + std::to_string(type) : text;
}

TVumaGrpAdr::TVumaGrpAdr(HWND window, int system, int parent, AnsiString name, int handle,
                         int16_t typ, int number, uint16_t word, int32_t groupId)
    : TDataBasis(window, system, parent, std::move(name), handle), FTyp(typ), FNumber(number),
      FWord(word), FGroupId(groupId) {
    LOG_FKT("TVumaGrpAdr::TVumaGrpAdr");
    SetPosId(number);
}

TVumaGrpAdr::~TVumaGrpAdr() {
    LOG_FKT("TVumaGrpAdr::~TVumaGrpAdr");
}

int TVumaGrpAdr::GetTyp() const {
    LOG_FKT("TVumaGrpAdr::GetTyp");
    return FTyp;
}

int TVumaGrpAdr::ListStyle() const {
    LOG_FKT("TVumaGrpAdr::ListStyle");
    return Ebene(FTyp).ListStyle;
}

int TVumaGrpAdr::GetIcon() const {
    LOG_FKT("TVumaGrpAdr::GetIcon");
    return Ebene(FTyp).Icon;
}

bool TVumaGrpAdr::AllowChild(int typ) const {
    LOG_FKT("TVumaGrpAdr::AllowChild");
    // With two levels a main group holds its sub groups directly.
    const int16_t kind = Ebene(FTyp).Kind;
    return kind != 0 &&
           (typ == kind || (FTyp == TVumaGrpAdrMain::Typ && typ == TVumaGrpAdrSub::Typ));
}

bool TVumaGrpAdr::AllowDrop(TDataBasis *) {
    LOG_FKT("TVumaGrpAdr::AllowDrop");
    return false;
}

void TVumaGrpAdr::Drop(TDataBasis *) {
    LOG_FKT("TVumaGrpAdr::Drop");
}

void TVumaGrpAdr::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TVumaGrpAdr::BuildInfoWindow");
    BuildGridOhneZeilen(grid, col, row);
}

int TVumaGrpAdr::GetNumber() const {
    LOG_FKT("TVumaGrpAdr::GetNumber");
    return FNumber;
}

uint16_t TVumaGrpAdr::GetGrpAddr() const {
    LOG_FKT("TVumaGrpAdr::GetGrpAddr");
    return FWord;
}

int32_t TVumaGrpAdr::GetGroupId() const {
    LOG_FKT("TVumaGrpAdr::GetGroupId");
    return FGroupId;
}

TVumaGrpAdrMain::TVumaGrpAdrMain(HWND window, int system, int parent, AnsiString name, int handle,
                                 TEtsMainGroup *group)
    : TVumaGrpAdr(window, system, parent, std::move(name), handle, Typ,
                  group ? group->GetNumber() : 0, group ? group->GetGrpAddr() : 0,
                  group ? group->GetGroupId() : 0),
      FGroup(group) {
    LOG_FKT("TVumaGrpAdrMain::TVumaGrpAdrMain");
}

TVumaGrpAdrMain::~TVumaGrpAdrMain() {
    LOG_FKT("TVumaGrpAdrMain::~TVumaGrpAdrMain");
}

TEtsMainGroup *TVumaGrpAdrMain::GetGroup() const {
    LOG_FKT("TVumaGrpAdrMain::GetGroup");
    return FGroup;
}

namespace {
uint16_t MiddleWord(const TEtsMiddleGroup *group) {
    const TEtsMainGroup *main = group->GetMainGroup();
    return static_cast<uint16_t>((main ? main->GetGrpAddr() : 0) + group->GetNumber() * 256);
}
} // namespace

TVumaGrpAdrMiddle::TVumaGrpAdrMiddle(HWND window, int system, int parent, AnsiString name,
                                     int handle, TEtsMiddleGroup *group)
    : TVumaGrpAdr(window, system, parent, std::move(name), handle, Typ,
                  group ? group->GetNumber() : 0, group ? MiddleWord(group) : 0,
                  group ? group->GetGroupId() : 0),
      FGroup(group) {
    LOG_FKT("TVumaGrpAdrMiddle::TVumaGrpAdrMiddle");
}

TVumaGrpAdrMiddle::~TVumaGrpAdrMiddle() {
    LOG_FKT("TVumaGrpAdrMiddle::~TVumaGrpAdrMiddle");
}

TEtsMiddleGroup *TVumaGrpAdrMiddle::GetGroup() const {
    LOG_FKT("TVumaGrpAdrMiddle::GetGroup");
    return FGroup;
}

TVumaGrpAdrSub::TVumaGrpAdrSub(HWND window, int system, int parent, AnsiString name, int handle,
                               TEtsSubGroup *group)
    : TVumaGrpAdr(window, system, parent, std::move(name), handle, Typ,
                  group ? group->GetNumber() : 0, group ? group->GetGrpAddr() : 0,
                  group ? group->GetGroupId() : 0),
      FGroup(group), FSubAdrTyp(group ? group->GetSubAdrTyp() : -1) {
    LOG_FKT("TVumaGrpAdrSub::TVumaGrpAdrSub");
}

TVumaGrpAdrSub::~TVumaGrpAdrSub() {
    LOG_FKT("TVumaGrpAdrSub::~TVumaGrpAdrSub");
}

TEtsSubGroup *TVumaGrpAdrSub::GetGroup() const {
    LOG_FKT("TVumaGrpAdrSub::GetGroup");
    return FGroup;
}

int TVumaGrpAdrSub::GetSubAdrTyp() const {
    LOG_FKT("TVumaGrpAdrSub::GetSubAdrTyp");
    return FSubAdrTyp;
}

void TVumaGrpAdrSub::SetSubAdrTyp(int type) {
    LOG_FKT("TVumaGrpAdrSub::SetSubAdrTyp");
    FSubAdrTyp = type;
}

AnsiString TVumaGrpAdrSub::GetSubAdrTypText() const {
    LOG_FKT("TVumaGrpAdrSub::GetSubAdrTypText");
    return ObjektTypText(FSubAdrTyp);
}
