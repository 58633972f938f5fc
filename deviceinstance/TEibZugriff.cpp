#include "deviceinstance/TEibZugriff.h"

#include "platform/bustool/TEts2Cdi.h"
#include "platform/log/Log.h"
#include "platform/win/System.h"

#include <algorithm>
#include <vector>

TEibZugriff::TEibZugriff(TEts2Cdi &cdi, uint16_t physAdr) : FCdi(cdi), FPhysAdr(physAdr) {
    LOG_FKT("EibZugriff::TEibZugriff");
}

int TEibZugriff::Ausfuehren(const std::function<bool(TEibZugriff &)> &zugriffe) {
    LOG_FKT("EibZugriff::Ausfuehren");
    for (int versuch = 1; versuch <= kVersuche; ++versuch) {
        FZustand = zsOk;
        if (FCdi.EibSetAddress(1, FPhysAdr) != EIB_OK)
            FZustand = zsSetAddress;
        else if (FCdi.EibStartComm() != EIB_OK)
            FZustand = zsStartComm;
        else
            zugriffe(*this);
        // Stopped whatever happened; its answer tells nothing more.
        FCdi.EibStopComm();
        if (FZustand == zsOk)
            break;
        if (versuch < kVersuche)
            Sleep(kPauseMs);
    }
    return FZustand;
}

bool TEibZugriff::Lesen(unsigned char *buffer, uint16_t first, uint16_t last) {
    LOG_FKT("EibZugriff::Lesen");
    if (last < first) {
        if (FCdi.EibReadMemBlock(buffer, first, first, last) == EIB_OK)
            return true;
        FZustand = zsLesen;
        return false;
    }
    for (int von = first; von <= last;) {
        const int bis = std::min<int>(von + static_cast<int>(kEibMaxBlock) - 1, last);
        const auto a = static_cast<unsigned short>(von);
        if (FCdi.EibReadMemBlock(buffer + (von - first), a, a, static_cast<unsigned short>(bis)) !=
            EIB_OK) {
            FZustand = zsLesen;
            return false;
        }
        von = bis + 1;
    }
    return true;
}

bool TEibZugriff::Schreiben(const unsigned char *data, uint16_t first, int count, bool zaehlt) {
    LOG_FKT("EibZugriff::Schreiben");
    std::vector<unsigned char> bytes(data, data + count);
    std::vector<unsigned char> maske(bytes.size(), 0xFF);
    // The last address wraps like the panel's 16-bit pointers do.
    const auto last = static_cast<unsigned short>(first + count - 1);
    if (FCdi.EibWriteMemBlock(bytes.data(), first, first, last, maske.data()) == EIB_OK)
        return true;
    if (zaehlt)
        FZustand = zsSchreiben;
    return false;
}
