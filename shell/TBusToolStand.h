// What the bus tool holds of a device that its reconstruction import may take away before it
// can fail: the device's parameter values (which switch its objects on) and each object's links
// in their order, with their send flags. Read before the import, written back when it fails.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

class TEts2Cdi;

class TBusToolStand {
public:
    TBusToolStand(TEts2Cdi &cdi, long deviceId);

    // False when the bus tool could not tell all of it.
    bool Lesen();
    // The kept values and links again, as far as the bus tool takes them; false when it
    // refused any of it.
    bool Zurueck();

private:
    struct TLink {
        int32_t SubGroupId = 0;
        bool Sendet = false;
        bool operator==(const TLink &) const = default;
    };

    bool Parameter(std::vector<std::pair<int32_t, int32_t>> &out);
    bool Links(long objekt, std::vector<TLink> &out);

    TEts2Cdi &FCdi;
    long FDeviceId;
    std::vector<std::pair<int32_t, int32_t>> FParameter;
    std::map<long, std::vector<TLink>> FLinks;
};
