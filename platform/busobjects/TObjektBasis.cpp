#include "platform/busobjects/TObjektBasis.h"

#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <set>
#include <string>

namespace {
// The link a record carries, if any. A word without a sub-group id is a link whose sub group
// is not known yet (a reconstruction read only the words from the panel); the conversion to
// this project's sub groups finds it by the word.
void TakeLink(const TDatenStruktur &record, std::vector<TObjektBasis::RecGrpAdrId> &links) {
    if (record.Param14 > 0 || record.Param15 != 0)
        links.push_back({record.Param14, static_cast<uint16_t>(record.Param15)});
}
void PutLink(TDatenStruktur &record, const TObjektBasis::RecGrpAdrId *link) {
    record.Param14 = link ? static_cast<int32_t>(link->SubGroupId) : 0;
    record.Param15 = link ? link->GrpAdr : 0;
}
} // namespace

TObjektBasis::TObjektBasis(HWND window, int system, int parent, AnsiString name, int handle)
    : TDataBasis(window, system, parent, std::move(name), handle) {
    LOG_FKT("TObjektBasis::TObjektBasis");
}

TObjektBasis::~TObjektBasis() {
    LOG_FKT("TObjektBasis::~TObjektBasis");
}

void TObjektBasis::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TObjektBasis::InitFromDB");
    TDataBasis::InitFromDB(record);
    FLinks.clear();
    TakeLink(record, FLinks);
    // Stored data may chain back into itself: each record of the chain is read once.
    std::set<int> seen{record.Handle};
    for (int next = record.Next; next > 0 && seen.insert(next).second;) {
        const TDatenStruktur *sub = GetDatensatz(GetSystem(), next);
        if (!sub || sub->Typ != TypNebenDatensatz)
            break;
        TakeLink(*sub, FLinks);
        next = sub->Next;
    }
}

void TObjektBasis::Write(TDatenStruktur &record) {
    LOG_FKT("TObjektBasis::Write");
    TDataBasis::Write(record);
    PutLink(record, FLinks.empty() ? nullptr : &FLinks.front());
    TDatenStruktur *previous = &record;
    for (size_t i = 1; i < FLinks.size(); ++i) {
        TDatenStruktur *sub = NaechsterNebenDatensatz(*previous);
        if (!sub)
            sub = GetNewNebenDatensatz(*previous);
        if (!sub) {
            MessageBox(GetWindowHandle(),
                       Utf8ToAnsi("Der Datensatz für die Gruppenadresse ") +
                           std::to_string(FLinks[i].GrpAdr) + " von \"" + GetName(true) +
                           Utf8ToAnsi("\" konnte nicht angelegt werden.\nDiese und die folgenden "
                                      "Verknüpfungen werden nicht gespeichert."),
                       "TObjektBasis::Write", MB_ICONWARNING);
            return;
        }
        PutLink(*sub, &FLinks[i]);
        previous = sub;
    }
    DeleteNebenDatensaetze(*previous);
}

void TObjektBasis::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TObjektBasis::BuildInfoWindow");
    BuildGridOhneZeilen(grid, col, row);
}

void TObjektBasis::AddSubGroupLink(long subGroupId, unsigned short grpAdr, bool) {
    LOG_FKT("TObjektBasis::AddSubGroupLink");
    for (RecGrpAdrId &link : FLinks)
        if (link.SubGroupId == subGroupId) {
            link.GrpAdr = grpAdr;
            return;
        }
    FLinks.push_back({subGroupId, grpAdr});
}

bool TObjektBasis::DeleteSubGroupLink(long subGroupId) {
    LOG_FKT("TObjektBasis::DeleteSubGroupLink");
    const auto it = std::find_if(FLinks.begin(), FLinks.end(), [subGroupId](const RecGrpAdrId &l) {
        return l.SubGroupId == subGroupId;
    });
    if (it == FLinks.end())
        return false;
    FLinks.erase(it);
    return true;
}

void TObjektBasis::ClearAllSubGroupLink() {
    LOG_FKT("TObjektBasis::ClearAllSubGroupLink");
    FLinks.clear();
}

bool TObjektBasis::ExistSubGroupId(long subGroupId) const {
    LOG_FKT("TObjektBasis::ExistSubGroupId");
    return std::any_of(FLinks.begin(), FLinks.end(),
                       [subGroupId](const RecGrpAdrId &l) { return l.SubGroupId == subGroupId; });
}

int TObjektBasis::GetNumberSelectableGrpAdr() const {
    LOG_FKT("TObjektBasis::GetNumberSelectableGrpAdr");
    return FNumberSelectableGrpAdr;
}

void TObjektBasis::SetNumberSelectableGrpAdr(int number) {
    LOG_FKT("TObjektBasis::SetNumberSelectableGrpAdr");
    FNumberSelectableGrpAdr = number;
}

bool TObjektBasis::UpdateAssociatedAddress(AnsiString &detail) {
    LOG_FKT("TObjektBasis::UpdateAssociatedAddress");
    bool ok = true;
    for (RecGrpAdrId &link : FLinks) {
        int word = 0;
        if (AzMsg::Send(FWindow, AzMsg::GetGrpAdrNrAsZahl{link.SubGroupId, &word}) != 0) {
            link.GrpAdr = static_cast<uint16_t>(word);
        } else {
            detail += "\nSubGroupId not found: " + std::to_string(link.SubGroupId);
            ok = false;
        }
    }
    return ok;
}
