#include "platform/recobase/TVumaDatenbank.h"

#include "foundation/TDatenManager.h"
#include "platform/log/Log.h"
#include "platform/vcl/Exception.h"
#include "platform/vcl/TStringList.h"

TVumaDatenbank::TVumaDatenbank() {
    LOG_FKT("TVumaDatenbank::TVumaDatenbank");
}

TVumaDatenbank::~TVumaDatenbank() {
    LOG_FKT("TVumaDatenbank::~TVumaDatenbank");
}

TDatenStruktur *TVumaDatenbank::CreateDatensatz(int kind, Datentyp typ, int parent) {
    LOG_FKT("TVumaDatenbank::CreateDatensatz");
    if (Count() >= kMaxHandle || (FLimit && Count() >= *FLimit))
        return nullptr;
    TDatenStruktur &record = FRecords.emplace_back();
    record.Handle = Count();
    record.System = kind;
    record.Typ = typ;
    record.Parent = parent;
    return &record;
}

TDatenStruktur *TVumaDatenbank::Find(int handle) {
    LOG_FKT("TVumaDatenbank::Find");
    if (handle < 1 || handle > Count())
        return nullptr;
    return &FRecords[static_cast<size_t>(handle - 1)];
}

bool TVumaDatenbank::Write(TMemoryStream *stream, const AnsiString &header) {
    LOG_FKT("TVumaDatenbank::Write");
    if (!stream)
        return false;
    TStringList before;
    before.Add("<Version>");
    before.Add("Version=" + header);
    before.Add("</Version>");
    before.Add("<DB>");
    TStringList after;
    after.Add("</DB>");
    try {
        TMemoryStream empty;
        TDatenManager<TDatenStruktur> store(&empty);
        for (const TDatenStruktur &record : FRecords)
            store.Add(record);
        store.SaveToStream(stream, &before, &after);
    } catch (const EStreamError &) {
        return false;
    } catch (const E_DatenManager &) {
        return false;
    }
    return true;
}
