#include "deviceinstance/PcUhr.h"

#include "platform/log/Log.h"

#include <ctime>
#include <utility>

namespace {
TPcUhrFunktion &Installiert() {
    static TPcUhrFunktion uhr;
    return uhr;
}
} // namespace

TPcZeit PcJetzt() {
    LOG_FKT("PcJetzt");
    if (const TPcUhrFunktion &uhr = Installiert())
        return uhr();
    const std::time_t jetzt = std::time(nullptr);
    std::tm lokal{};
    localtime_r(&jetzt, &lokal);
    return {lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday,
            lokal.tm_hour,        lokal.tm_min,     lokal.tm_sec};
}

TPcUhrFunktion SetPcUhr(TPcUhrFunktion uhr) {
    LOG_FKT("SetPcUhr");
    return std::exchange(Installiert(), std::move(uhr));
}
