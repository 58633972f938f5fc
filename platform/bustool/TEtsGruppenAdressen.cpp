#include "platform/bustool/TEtsGruppenAdressen.h"

#include "platform/bustool/TEts2Cdi.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <algorithm>

namespace {

// Inserts a node among its siblings by number and keeps a running walk on the same node.
template <class T>
T *InsertByNumber(std::vector<std::unique_ptr<T>> &nodes, size_t &next, std::unique_ptr<T> node) {
    const auto at = std::upper_bound(nodes.begin(), nodes.end(), node->GetNumber(),
                                     [](int n, const auto &p) { return n < p->GetNumber(); });
    const auto index = static_cast<size_t>(at - nodes.begin());
    if (index < next)
        ++next;
    return nodes.insert(at, std::move(node))->get();
}

template <class T> T *Walk(std::vector<std::unique_ptr<T>> &nodes, size_t &next) {
    return next < nodes.size() ? nodes[next++].get() : nullptr;
}

} // namespace

TEtsSubGroup::TEtsSubGroup(int32_t id, int number, uint16_t word, int type, AnsiString name,
                           TEtsMiddleGroup *middleGroup)
    : FId(id), FNumber(number), FWord(word), FType(type), FName(std::move(name)),
      FMiddleGroup(middleGroup) {
    LOG_FKT("TEtsSubGroup::TEtsSubGroup");
}

int32_t TEtsSubGroup::GetGroupId() const {
    LOG_FKT("TEtsSubGroup::GetGroupId");
    return FId;
}

int TEtsSubGroup::GetNumber() const {
    LOG_FKT("TEtsSubGroup::GetNumber");
    return FNumber;
}

uint16_t TEtsSubGroup::GetGrpAddr() const {
    LOG_FKT("TEtsSubGroup::GetGrpAddr");
    return FWord;
}

int TEtsSubGroup::GetSubAdrTyp() const {
    LOG_FKT("TEtsSubGroup::GetSubAdrTyp");
    return FType;
}

AnsiString TEtsSubGroup::GetName() const {
    LOG_FKT("TEtsSubGroup::GetName");
    return FName;
}

TEtsMiddleGroup *TEtsSubGroup::GetMiddleGroup() const {
    LOG_FKT("TEtsSubGroup::GetMiddleGroup");
    return FMiddleGroup;
}

TEtsMiddleGroup::TEtsMiddleGroup(int32_t id, int number, AnsiString name, TEtsMainGroup *mainGroup)
    : FId(id), FNumber(number), FName(std::move(name)), FMainGroup(mainGroup) {
    LOG_FKT("TEtsMiddleGroup::TEtsMiddleGroup");
}

int32_t TEtsMiddleGroup::GetGroupId() const {
    LOG_FKT("TEtsMiddleGroup::GetGroupId");
    return FId;
}

int TEtsMiddleGroup::GetNumber() const {
    LOG_FKT("TEtsMiddleGroup::GetNumber");
    return FNumber;
}

AnsiString TEtsMiddleGroup::GetName() const {
    LOG_FKT("TEtsMiddleGroup::GetName");
    return FName;
}

TEtsMainGroup *TEtsMiddleGroup::GetMainGroup() const {
    LOG_FKT("TEtsMiddleGroup::GetMainGroup");
    return FMainGroup;
}

TEtsSubGroup *TEtsMiddleGroup::GetSubGroupFirst() {
    LOG_FKT("TEtsMiddleGroup::GetSubGroupFirst");
    FNext = 0;
    return Walk(FSubGroups, FNext);
}

TEtsSubGroup *TEtsMiddleGroup::GetSubGroupNext() {
    LOG_FKT("TEtsMiddleGroup::GetSubGroupNext");
    return Walk(FSubGroups, FNext);
}

TEtsSubGroup *TEtsMiddleGroup::Add(std::unique_ptr<TEtsSubGroup> subGroup) {
    LOG_FKT("TEtsMiddleGroup::Add");
    return InsertByNumber(FSubGroups, FNext, std::move(subGroup));
}

TEtsMainGroup::TEtsMainGroup(int32_t id, int number, AnsiString name)
    : FId(id), FNumber(number), FName(std::move(name)) {
    LOG_FKT("TEtsMainGroup::TEtsMainGroup");
}

int32_t TEtsMainGroup::GetGroupId() const {
    LOG_FKT("TEtsMainGroup::GetGroupId");
    return FId;
}

int TEtsMainGroup::GetNumber() const {
    LOG_FKT("TEtsMainGroup::GetNumber");
    return FNumber;
}

uint16_t TEtsMainGroup::GetGrpAddr() const {
    LOG_FKT("TEtsMainGroup::GetGrpAddr");
    return static_cast<uint16_t>(FNumber * 2048);
}

AnsiString TEtsMainGroup::GetName() const {
    LOG_FKT("TEtsMainGroup::GetName");
    return FName;
}

TEtsMiddleGroup *TEtsMainGroup::GetMiddleGroupFirst() {
    LOG_FKT("TEtsMainGroup::GetMiddleGroupFirst");
    FNext = 0;
    return Walk(FMiddleGroups, FNext);
}

TEtsMiddleGroup *TEtsMainGroup::GetMiddleGroupNext() {
    LOG_FKT("TEtsMainGroup::GetMiddleGroupNext");
    return Walk(FMiddleGroups, FNext);
}

TEtsMiddleGroup *TEtsMainGroup::FindMiddleGroup(int number) {
    LOG_FKT("TEtsMainGroup::FindMiddleGroup");
    for (const auto &m : FMiddleGroups)
        if (m->GetNumber() == number)
            return m.get();
    return nullptr;
}

TEtsMiddleGroup *TEtsMainGroup::Add(std::unique_ptr<TEtsMiddleGroup> middleGroup) {
    LOG_FKT("TEtsMainGroup::Add");
    return InsertByNumber(FMiddleGroups, FNext, std::move(middleGroup));
}

TEtsGruppenAdressen::TEtsGruppenAdressen(TEts2Cdi *cdi, int32_t deviceId)
    : FCdi(cdi), FDeviceId(deviceId) {
    LOG_FKT("TEtsGruppenAdressen::TEtsGruppenAdressen");
}

TEtsGruppenAdressen::~TEtsGruppenAdressen() {
    LOG_FKT("TEtsGruppenAdressen::~TEtsGruppenAdressen");
}

TEtsMainGroup *TEtsGruppenAdressen::AddMainGroup(int32_t id, int number, const AnsiString &name) {
    LOG_FKT("TEtsGruppenAdressen::AddMainGroup");
    TEtsMainGroup *main =
        InsertByNumber(FMainGroups, FNext, std::make_unique<TEtsMainGroup>(id, number, name));
    if (!FTreeThreeLevel)
        main->Add(std::make_unique<TEtsMiddleGroup>(-id, 0, name, main));
    return main;
}

TEtsSubGroup *TEtsGruppenAdressen::AddSubGroup(TEtsMiddleGroup *middleGroup, int32_t id, int number,
                                               uint16_t word, int type, const AnsiString &name) {
    LOG_FKT("TEtsGruppenAdressen::AddSubGroup");
    TEtsSubGroup *sub =
        middleGroup->Add(std::make_unique<TEtsSubGroup>(id, number, word, type, name, middleGroup));
    FSubGroupsById[id] = sub;
    return sub;
}

bool TEtsGruppenAdressen::Einlesen(int32_t deviceId) {
    LOG_FKT("TEtsGruppenAdressen::Einlesen");
    FDeviceId = deviceId;
    FSubGroupsById.clear();
    FMainGroups.clear();
    FNext = 0;
    FTreeThreeLevel = ThreeLevel;
    if (!FCdi)
        return false;
    const bool read = FCdi->GuardedCall("TEtsGruppenAdressen::Einlesen", false, [&] {
        std::map<int32_t, TEtsMainGroup *> mains;
        std::map<int32_t, TEtsMiddleGroup *> middles;
        for (const TGroupRow &row : FCdi->Database().GroupTree()) {
            const AnsiString name = Utf8ToAnsi(row.name);
            if (row.level == 1) {
                mains[row.id] = AddMainGroup(row.id, row.number, name);
            } else if (row.level == 2) {
                TEtsMainGroup *main = mains.at(row.parentId);
                middles[row.id] = FTreeThreeLevel ? main->Add(std::make_unique<TEtsMiddleGroup>(
                                                        row.id, row.number, name, main))
                                                  : main->FindMiddleGroup(0);
            } else {
                AddSubGroup(middles.at(row.parentId), row.id,
                            FTreeThreeLevel ? row.number : row.word & 0x7FF, row.word, row.type,
                            name);
            }
        }
        return true;
    });
    if (!read) { // no half-read tree
        FSubGroupsById.clear();
        FMainGroups.clear();
    }
    return read;
}

TEtsMainGroup *TEtsGruppenAdressen::GetMainGroupFirst() {
    LOG_FKT("TEtsGruppenAdressen::GetMainGroupFirst");
    FNext = 0;
    return Walk(FMainGroups, FNext);
}

TEtsMainGroup *TEtsGruppenAdressen::GetMainGroupNext() {
    LOG_FKT("TEtsGruppenAdressen::GetMainGroupNext");
    return Walk(FMainGroups, FNext);
}

TEtsMiddleGroup *TEtsGruppenAdressen::GetMiddleGroupFirst(TEtsMainGroup *mainGroup) {
    LOG_FKT("TEtsGruppenAdressen::GetMiddleGroupFirst");
    return mainGroup ? mainGroup->GetMiddleGroupFirst() : nullptr;
}

TEtsMiddleGroup *TEtsGruppenAdressen::GetMiddleGroupNext(TEtsMainGroup *mainGroup) {
    LOG_FKT("TEtsGruppenAdressen::GetMiddleGroupNext");
    return mainGroup ? mainGroup->GetMiddleGroupNext() : nullptr;
}

TEtsSubGroup *TEtsGruppenAdressen::GetSubGroupFirst(TEtsMiddleGroup *middleGroup) {
    LOG_FKT("TEtsGruppenAdressen::GetSubGroupFirst");
    return middleGroup ? middleGroup->GetSubGroupFirst() : nullptr;
}

TEtsSubGroup *TEtsGruppenAdressen::GetSubGroupNext(TEtsMiddleGroup *middleGroup) {
    LOG_FKT("TEtsGruppenAdressen::GetSubGroupNext");
    return middleGroup ? middleGroup->GetSubGroupNext() : nullptr;
}

bool TEtsGruppenAdressen::CreateGroupAddress(TEtsSubGroup *&subGroup, int16_t a, int16_t b,
                                             int16_t c, const AnsiString &name) {
    LOG_FKT("TEtsGruppenAdressen::CreateGroupAddress");
    subGroup = nullptr;
    if (!FCdi)
        return false;
    const bool inRange = a >= 0 && a <= 15 && b >= 0 && b <= 7 && c >= 0 &&
                         (ThreeLevel ? c <= 255 : b * 256 + c <= 2047);
    if (!inRange)
        return false;
    const auto word = static_cast<uint16_t>(a * 2048 + b * 256 + c);
    if (word == 0)
        return false;
    return FCdi->GuardedCall("TEtsGruppenAdressen::CreateGroupAddress", false, [&] {
        TProjectDatabase &db = FCdi->Database();
        const int32_t id =
            db.AddGroupAddress(word >> 11, (word >> 8) & 7, word & 0xFF, AnsiToUtf8(name));
        const TGroupRow sub = db.Group(id).value();
        const TGroupRow middle = db.Group(sub.parentId).value();
        const TGroupRow main = db.Group(middle.parentId).value();

        TEtsMainGroup *mainNode = nullptr;
        for (const auto &m : FMainGroups)
            if (m->GetGroupId() == main.id)
                mainNode = m.get();
        if (!mainNode)
            mainNode = AddMainGroup(main.id, main.number, Utf8ToAnsi(main.name));
        TEtsMiddleGroup *middleNode =
            mainNode->FindMiddleGroup(FTreeThreeLevel ? middle.number : 0);
        if (!middleNode)
            middleNode = mainNode->Add(std::make_unique<TEtsMiddleGroup>(
                middle.id, middle.number, Utf8ToAnsi(middle.name), mainNode));
        subGroup = AddSubGroup(middleNode, id, FTreeThreeLevel ? sub.number : word & 0x7FF, word,
                               sub.type, name);
        return true;
    });
}

TEtsSubGroup *TEtsGruppenAdressen::FindSubGroup(int32_t subGroupId) {
    LOG_FKT("TEtsGruppenAdressen::FindSubGroup");
    const auto it = FSubGroupsById.find(subGroupId);
    return it == FSubGroupsById.end() ? nullptr : it->second;
}

uint16_t TEtsGruppenAdressen::GetGrpAddr(int32_t subGroupId) {
    LOG_FKT("TEtsGruppenAdressen::GetGrpAddr");
    const TEtsSubGroup *sub = FindSubGroup(subGroupId);
    return sub ? sub->GetGrpAddr() : 0;
}

AnsiString TEtsGruppenAdressen::GrpAddrString(int32_t subGroupId) {
    LOG_FKT("TEtsGruppenAdressen::GrpAddrString");
    const TEtsSubGroup *sub = FindSubGroup(subGroupId);
    return sub ? GroupAddressText(sub->GetGrpAddr(), ThreeLevel) : AnsiString();
}
