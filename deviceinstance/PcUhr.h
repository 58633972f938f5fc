// The PC's clock as the device instance reads it: one replaceable function, so that tests can
// set the time the event-memory read-out and the clock download take.
#pragma once

#include <functional>

struct TPcZeit {
    int Jahr = 0; // four digits
    int Monat = 0;
    int Tag = 0;
    int Stunde = 0;
    int Minute = 0;
    int Sekunde = 0;
};

using TPcUhrFunktion = std::function<TPcZeit()>;

// The local time now (through the installed function, if any).
TPcZeit PcJetzt();
// Installs a clock (empty: the system's again) and answers the previous one.
TPcUhrFunktion SetPcUhr(TPcUhrFunktion uhr);
