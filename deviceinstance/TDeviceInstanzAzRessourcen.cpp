// What the panel's group-address and association tables hold: every new link is checked
// against them before it is made.
#include "deviceinstance/TDeviceInstanzAz.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"

#include <set>
#include <string>

namespace {
// At most this many distinct group addresses, and 2 x that many minus the distinct addresses
// links.
constexpr int kMaxGruppenAdressen = 254;
constexpr int kMaxEintraege = 2 * kMaxGruppenAdressen;
} // namespace

int TDeviceInstanzAz::DeviceRessourceCheckVerbindungen(TDataBasis *, long subGroupId, bool show) {
    LOG_FKT("DeviceInstanzAz::DeviceRessourceCheckVerbindungen");
    std::list<int> ids;
    GetAllUsedGAIds(ids);
    ids.push_back(static_cast<int>(subGroupId));
    const int links = static_cast<int>(ids.size());
    const int adressen = static_cast<int>(std::set<int>(ids.begin(), ids.end()).size());
    AnsiString text;
    if (adressen > kMaxGruppenAdressen)
        text = SprText(11369) + std::to_string(kMaxGruppenAdressen);
    if (kMaxEintraege - adressen < links)
        text = SprText(11370) + std::to_string(kMaxEintraege - adressen);
    if (text.empty())
        return 1;
    if (show)
        MessageBox(MainHandle(), text, SprText(11366), MB_ICONEXCLAMATION);
    return 0;
}
