#include "tools/bustool/TProjectReport.h"

#include "platform/bustool/TSqlDatabase.h"
#include "platform/log/Log.h"

#include <iomanip>
#include <map>
#include <sstream>

namespace {

std::string ProjectName(TProjectDatabase &db) {
    TSqlStatement st(db.Sql(), "SELECT name FROM project WHERE id = 1");
    return st.Step() ? st.Text(0) : "";
}

template <class T, class F> std::string Joined(const std::vector<T> &items, F text) {
    std::string joined;
    for (const auto &item : items)
        joined += (joined.empty() ? "" : ", ") + text(item);
    return joined.empty() ? "none" : joined;
}

void ShowDevice(TProjectDatabase &db, const TDeviceRow &d, std::ostream &out) {
    const char *indent = "             ";
    out << "  " << PhysicalAddressText(d.address) << "  " << d.name << "  [" << d.product << ", "
        << d.moduleName << ", id " << d.id << "]" << (d.onBus ? ", on the bus" : "")
        << (d.connected ? ", directly connected" : "") << "\n";
    const auto block = db.ReadDataBlock(d.id);
    out << indent << "data block: "
        << (block && !block->empty() ? std::to_string(block->size()) + " bytes" : "none") << "\n";
    out << indent << "objects switched on: "
        << Joined(db.ActiveObjectNumbers(d.id), [](int n) { return std::to_string(n); }) << "\n";
    const auto parameters = db.ChangedParameters(d.id);
    out << indent << "parameters not at their default:" << (parameters.empty() ? " none" : "")
        << "\n";
    for (const auto &p : parameters)
        out << indent << "  " << p.id << " " << p.name << " = " << p.value << "\n";
    const auto links = db.Links(d.id);
    out << indent << "links:" << (links.empty() ? " none" : "") << "\n";
    for (const auto &l : links)
        out << indent << "  object " << l.objectNumber << " " << l.objectName
            << (l.objectFunction.empty() ? "" : " (" + l.objectFunction + ")") << " -> "
            << GroupAddressText(l.groupAddress, true) << (l.sending ? ", sending" : "") << "\n";
}

} // namespace

void ShowProject(TProjectDatabase &db, std::ostream &out) {
    LOG_FKT("ShowProject");
    const TBusToolInfo info = db.BusToolInfo();
    out << "project \"" << ProjectName(db) << "\" in " << db.File().string() << "\n";
    out << "bus tool " << info.major << "." << info.minor << "." << info.release << "."
        << info.build << ", folder " << info.directory.string() << ", " << info.groupAddressLevels
        << " group-address levels\n";

    const auto devices = db.Devices();
    out << "\ndevices:" << (devices.empty() ? " none" : "") << "\n";
    for (const auto &d : devices)
        ShowDevice(db, d, out);

    const auto groups = db.GroupTree();
    out << "\ngroup addresses:" << (groups.empty() ? " none" : "") << "\n";
    // The tree as it is read: each main group, then its middle groups, each with its subs.
    std::map<int32_t, std::vector<const TGroupRow *>> children;
    for (const auto &g : groups)
        children[g.parentId].push_back(&g);
    for (const TGroupRow *main : children[0]) {
        out << "  " << std::left << std::setw(9) << std::to_string(main->number) << main->name
            << "\n";
        for (const TGroupRow *middle : children[main->id]) {
            out << "  " << std::setw(9)
                << std::to_string(main->number) + "/" + std::to_string(middle->number)
                << middle->name << "\n";
            for (const TGroupRow *sub : children[middle->id])
                out << "  " << std::setw(9) << GroupAddressText(sub->word, true) << sub->name
                    << (sub->type >= 0 ? "  (type " + std::to_string(sub->type) + ")" : "") << "\n";
        }
    }

    const auto failures = db.Failures();
    out << "\ninjected failures:" << (failures.empty() ? " none" : "") << "\n";
    for (const auto &f : failures)
        out << "  " << f.call << ": " << f.remaining << " more time"
            << (f.remaining == 1 ? "" : "s")
            << (f.answer ? ", answering " + std::to_string(*f.answer) : "") << "\n";
}
