#include "tools/bustool/TDemoProject.h"

#include "platform/log/Log.h"

namespace {

struct TDemoGroup {
    int main, middle, sub;
    const char *name;
};

// Main and middle groups first (sub -1, middle -1 for a main group), then the addresses.
const TDemoGroup kGroups[] = {
    {1, -1, -1, "Scharfschaltung"},
    {1, 0, -1, "Sicherungsbereich 1"},
    {1, 0, 1, "Scharf-/Unscharf-Wunsch SB 1"},
    {1, 0, 2, "Scharf-Status SB 1"},
    {1, 1, -1, "Sicherungsbereich 2"},
    {1, 1, 1, "Scharf-/Unscharf-Wunsch SB 2"},
    {1, 1, 2, "Scharf-Status SB 2"},
    {2, -1, -1, "Alarmierung"},
    {2, 0, -1, "Signalgeber"},
    {2, 0, 1,
     "Au\xC3\x9F"
     "en-Sirene"},
    {2, 0, 2, "Blitzleuchte"},
    {3, -1, -1, "Meldungen"},
    {3, 0, -1, "Technik"},
    {3, 0, 1, "Alarm-Reset"},
    {3, 0, 2, "Sabotage Schalteinrichtungen"},
};

struct TDemoSwitch {
    int address;
    const char *name;
    // Object 0 sends on, object 1 receives from these sub groups (of main group 1).
    int middle;
};

const TDemoSwitch kSwitches[] = {
    {10, "Schalteinrichtung Eingang", 0},
    {11, "Schalteinrichtung Lager", 1},
    {12, "Schalteinrichtung Reserve", -1},
};

} // namespace

void BuildDemoProject(TProjectDatabase &db, std::ostream &out) {
    LOG_FKT("BuildDemoProject");
    TSqlTransaction tx(db.Sql(), TSqlTransaction::Write);
    const int32_t panel = db.AddDemoPanel();
    const int addresses = AddDemoSurroundings(db);
    tx.Commit();
    out << "demo project: panel " << PhysicalAddressText(db.Device(panel)->address) << " ("
        << db.Device(panel)->moduleName << "), " << std::size(kSwitches) << " switching devices, "
        << addresses << " group addresses\n";
}

int AddDemoSurroundings(TProjectDatabase &db) {
    LOG_FKT("AddDemoSurroundings");
    const int32_t line = db.EnsureLine(1, 1);
    int addresses = 0;
    for (const auto &g : kGroups) {
        if (g.middle < 0)
            db.AddMainGroup(g.main, g.name);
        else if (g.sub < 0)
            db.AddMiddleGroup(g.main, g.middle, g.name);
        else {
            db.AddGroupAddress(g.main, g.middle, g.sub, g.name);
            ++addresses;
        }
    }
    const int32_t sabotage = *db.SubGroupId(3, 0, 2);
    for (const auto &s : kSwitches) {
        const int32_t id = db.AddSwitchingDevice(line, s.address, s.name);
        if (s.middle >= 0) {
            db.Link(*db.DeviceObjectId(id, 0), *db.SubGroupId(1, s.middle, 1), true);
            db.Link(*db.DeviceObjectId(id, 1), *db.SubGroupId(1, s.middle, 2), false);
        }
        db.Link(*db.DeviceObjectId(id, 2), sabotage, true);
    }
    return addresses;
}
