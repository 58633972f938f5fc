// Setting the panel's clock over the bus: the PC's date and time, taken once, written into the
// cells the panel's time and date pointers name, each followed by its flag.
#include "deviceinstance/TDeviceInstanzAz.h"

#include "deviceinstance/PcUhr.h"
#include "deviceinstance/TEibZugriff.h"
#include "foundation/SprTexte.h"
#include "platform/log/Log.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"

#include <array>

namespace {
// Pointer cells (high byte first) and the flag cells behind the base pointer.
constexpr uint16_t kZeitZeiger = 0x477B;
constexpr uint16_t kDatumZeiger = 0x477F;
constexpr uint16_t kBasisZeiger = 0x43FD;
constexpr uint16_t kZeitFlag = 0xDF;
constexpr uint16_t kDatumFlag = 0xE0;
constexpr unsigned char kFlagWert = 0x10;
} // namespace

int TDeviceInstanzAz::DownloadAzHwDateTime() {
    LOG_FKT("DeviceInstanzAz::DownloadAzHwDateTime");
    TDeviceEtsInfo info;
    GetDeviceEtsInfo(info);
    const uint16_t adresse = MergeGrpAdrStringToWord(info.PhysAdr);
    TEts2Cdi *cdi = Cdi();
    if (adresse == 0 || !cdi)
        return false;

    TCursorHourGlass hourGlass;
    // Taken once: every attempt writes the same bytes.
    const TPcZeit jetzt = PcJetzt();
    const std::array<unsigned char, 3> zeit = {static_cast<unsigned char>(jetzt.Stunde),
                                               static_cast<unsigned char>(jetzt.Minute),
                                               static_cast<unsigned char>(jetzt.Sekunde)};
    const std::array<unsigned char, 3> datum = {static_cast<unsigned char>(jetzt.Tag),
                                                static_cast<unsigned char>(jetzt.Monat),
                                                static_cast<unsigned char>(jetzt.Jahr % 100)};
    TEibZugriff bus(*cdi, adresse);
    const int zustand = bus.Ausfuehren([&](TEibZugriff &z) {
        auto zeiger = [&](uint16_t zelle, uint16_t &wert) {
            std::array<unsigned char, 2> b{};
            if (!z.Lesen(b.data(), zelle, static_cast<uint16_t>(zelle + 1)))
                return false;
            wert = SwapWord(static_cast<uint16_t>(b[0] | b[1] << 8));
            return true;
        };
        uint16_t t = 0, d = 0, basis = 0;
        if (!zeiger(kZeitZeiger, t) || !zeiger(kDatumZeiger, d) || !zeiger(kBasisZeiger, basis))
            return false;
        // The two flags' answers do not count.
        if (!z.Schreiben(zeit.data(), t, static_cast<int>(zeit.size())))
            return false;
        z.Schreiben(&kFlagWert, static_cast<uint16_t>(basis + kZeitFlag), 1, false);
        if (!z.Schreiben(datum.data(), d, static_cast<int>(datum.size())))
            return false;
        z.Schreiben(&kFlagWert, static_cast<uint16_t>(basis + kDatumFlag), 1, false);
        return true;
    });
    hourGlass.Release();
    if (zustand == TEibZugriff::zsOk) {
        MessageBox(MainHandle(), SprText(11078), SprText(11076), MB_OK);
        return true;
    }
    MessageBox(MainHandle(), SprText(11077), SprText(11076), MB_OK);
    return false;
}
