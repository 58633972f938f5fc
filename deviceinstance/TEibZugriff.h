// The panel's memory over the bus as the device instance reaches it: one attempt names the
// device, starts the communication, runs its reads and writes in order until the first one
// fails, and always stops the communication; a failed attempt waits 5 ms and starts again
// from the beginning, every access repeated, three attempts in all. The event-memory
// read-out and the clock download both go this way.
#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>

class TEts2Cdi;

class TEibZugriff {
public:
    // The state after the accesses: 0 all done, else where the last attempt failed.
    enum TZustand : int {
        zsOk = 0,
        zsStartComm = 1,
        zsSetAddress = 3,
        zsLesen = 4,
        zsSchreiben = 5,
    };
    static constexpr int kVersuche = 3;
    static constexpr DWORD kPauseMs = 5;

    TEibZugriff(TEts2Cdi &cdi, uint16_t physAdr);

    // Runs the attempts; the function makes one attempt's accesses through Lesen and Schreiben
    // and answers false after the first that failed. Answers the final state.
    int Ausfuehren(const std::function<bool(TEibZugriff &)> &zugriffe);

    // Reads first..last (inclusive) into the buffer, in blocks of at most the bus's block size
    // laid one behind the other; false (state 4) at the first block that fails. A range whose
    // last address lies before its first goes to the bus as it is (and fails there).
    bool Lesen(unsigned char *buffer, uint16_t first, uint16_t last);
    // Writes count (1 to the bus's block size) bytes from first, every byte with the mask 0xFF;
    // false (state 5) when it failed and `zaehlt` is set, else only false.
    bool Schreiben(const unsigned char *data, uint16_t first, int count, bool zaehlt = true);

    int Zustand() const { return FZustand; }

private:
    TEts2Cdi &FCdi;
    uint16_t FPhysAdr;
    int FZustand = zsOk;
};
