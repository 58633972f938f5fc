#include "shell/TBusToolStand.h"

#include "deviceinstance/DalAufzaehlen.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TEtsDeviceParam.h"
#include "platform/log/Log.h"

TBusToolStand::TBusToolStand(TEts2Cdi &cdi, long deviceId) : FCdi(cdi), FDeviceId(deviceId) {
    LOG_FKT("TBusToolStand::TBusToolStand");
}

bool TBusToolStand::Lesen() {
    LOG_FKT("TBusToolStand::Lesen");
    if (!Parameter(FParameter))
        return false;
    std::vector<DAL_DEVICE_OBJECT> objekte;
    if (DalAufzaehlen(objekte, [&](int mode, DAL_DEVICE_OBJECT &r) {
            return FCdi.DalGetDeviceObjectData(mode, -1, FDeviceId, &r);
        }) != DAL_END)
        return false;
    for (const DAL_DEVICE_OBJECT &objekt : objekte)
        if (!Links(objekt.deviceObjectId, FLinks[objekt.deviceObjectId]))
            return false;
    return true;
}

// Every parameter that differs (all of them when the present ones cannot be read), then the
// links of every object whose links differ, in their former order and with their former send
// flags. False when the bus tool refused any of it.
bool TBusToolStand::Zurueck() {
    LOG_FKT("TBusToolStand::Zurueck");
    bool ok = true;
    std::map<int32_t, int32_t> jetzt;
    {
        std::vector<std::pair<int32_t, int32_t>> gelesen;
        if (Parameter(gelesen))
            jetzt.insert(gelesen.begin(), gelesen.end());
    }
    TEtsDeviceParam param(&FCdi, static_cast<int32_t>(FDeviceId));
    for (const auto &[id, wert] : FParameter) {
        const auto it = jetzt.find(id);
        if (it == jetzt.end() || it->second != wert)
            ok = param.SetDeviceParamData(static_cast<int16_t>(id), wert) ==
                     TEtsDeviceParam::kDone &&
                 ok;
    }
    for (const auto &[objekt, vorher] : FLinks) {
        std::vector<TLink> links;
        const bool gelesen = Links(objekt, links);
        if (gelesen && links == vorher)
            continue;
        // Links the bus tool cannot list are not known to be gone: only the kept ones are made.
        if (gelesen)
            for (const TLink &link : links)
                ok = FCdi.CoUnlinkObjectFromSubGroup(objekt, link.SubGroupId, true) && ok;
        else
            ok = false;
        for (const TLink &link : vorher) {
            const int id = FCdi.CoLinkObjectToSubGroup(objekt, link.SubGroupId, link.Sendet ? 1 : 0,
                                                       false, true, true);
            if (id <= 0)
                ok = false;
            else if (!gelesen && !link.Sendet)
                ok = FCdi.SqlSetSubGroupToObjectSendFlag(id, false) == 1 && ok;
        }
    }
    return ok;
}

// The device's parameters (id, value) in the bus tool's order.
bool TBusToolStand::Parameter(std::vector<std::pair<int32_t, int32_t>> &out) {
    LOG_FKT("TBusToolStand::Parameter");
    std::vector<DAL_DEVICE_PARAM> params;
    if (DalAufzaehlen(params, [&](int mode, DAL_DEVICE_PARAM &r) {
            return FCdi.DalGetDeviceParamData(mode, -1, FDeviceId, &r);
        }) != DAL_END)
        return false;
    // The records are packed: their fields are copied, never bound to a reference.
    for (const DAL_DEVICE_PARAM &p : params)
        out.emplace_back(int32_t{p.parameterId}, int32_t{p.value});
    return true;
}

// The links of one device object in their order.
bool TBusToolStand::Links(long objekt, std::vector<TLink> &out) {
    LOG_FKT("TBusToolStand::Links");
    std::vector<DAL_SUB_TO_OBJECT> links;
    if (!DalLinksAufzaehlen(FCdi, objekt, links))
        return false;
    for (const DAL_SUB_TO_OBJECT &link : links)
        out.push_back({link.subGroupId, link.sendFlag >= 1});
    return true;
}
