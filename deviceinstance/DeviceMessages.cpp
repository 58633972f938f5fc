#include "deviceinstance/DeviceMessages.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/RObjektFlag.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"

#include <exception>

namespace {

// One decoder per message: the message's codec unpacks wParam and lParam, the instance
// answers, the codec packs the result.
LRESULT GetDataPointer(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetDataPointer>(wParam, lParam, [&](const auto &m) {
        TDataBasis *object = nullptr;
        device.GetDataPointer(m.Handle, object);
        return object;
    });
}

LRESULT GetDatenSatz(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetDatenSatz>(wParam, lParam, [&](const auto &m) {
        return device.GetDatenSatz(m.System, m.Parent, m.Handle);
    });
}

LRESULT DeleteNextDatenSatz(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::DeleteNextDatenSatz>(wParam, lParam, [&](const auto &m) {
        device.DeleteNextDatenSatz(m.System, m.Handle, m.Next);
    });
}

LRESULT GetDatenSatzSystem(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetDatenSatzSystem>(
        wParam, lParam, [&](const auto &m) { return device.GetDatenSatz(m.System, -1, m.Handle); });
}

LRESULT DeviceRequest(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::DeviceRequest>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(device.UserDeviceMessage(0, m.Request));
    });
}

LRESULT DeviceRequest2(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::DeviceRequest2>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(device.UserDeviceMessage2(0, m.Request));
    });
}

LRESULT GetDeviceParam(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetDeviceParam>(
        wParam, lParam, [&](const auto &) { return device.GetEtsDeviceParam(); });
}

LRESULT UserObjectMessage(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::UserObjectMessage>(wParam, lParam, [&](const auto &m) {
        const auto result = static_cast<uint8_t>(
            device.UserObjectMessage(static_cast<int>(m.W), static_cast<int>(m.L)));
        if (TFormMainDienste *main = device.GetFormMain())
            if (TFormVerwDienste *verw = main->GetActiveFormVerv())
                verw->UpdateTreeNamesAndIcon();
        return static_cast<LRESULT>(result);
    });
}

LRESULT LinkToSubGroup(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::LinkToSubGroup>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(device.LinkToSubGroup(m.SubGroupId, m.Handle, true));
    });
}

LRESULT UnLinkFromSubGroup(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::UnLinkFromSubGroup>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(device.UnLinkFromSubGroup(m.SubGroupId, m.DeviceObjectId));
    });
}

LRESULT ProgressAbbruch(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::ProgressAbbruch>(wParam, lParam, [&](const auto &m) {
        if (m.L == AzMsg::kAbbruchMelderHinzufuegen)
            device.SetMelderHinzufuegenAbbrechen();
        return LRESULT{0};
    });
}

LRESULT GetGrpAdrNr(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetGrpAdrNr>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(m.Out && device.GetGrpAdrNr(m.Wert, *m.Out));
    });
}

LRESULT GetGrpAdrNrAsZahl(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetGrpAdrNrAsZahl>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(m.Out && device.GetGrpAdrNrAsZahl(m.Wert, *m.Out));
    });
}

LRESULT GrpAdrSendend(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GrpAdrSendend>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(device.GrpAdrSendend(m.W, m.L, true));
    });
}

LRESULT GrpAdrNichtSendend(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GrpAdrNichtSendend>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(device.GrpAdrSendend(m.W, m.L, false));
    });
}

// The flag operations report the bus tool's failures by exception: shown here, answered 0.
LRESULT ObjektFlag(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::ObjektFlag>(wParam, lParam, [&](const auto &m) -> LRESULT {
        if (!m.Flag)
            return 0;
        try {
            return m.Pruefen ? device.CheckObjektFlag(*m.Flag) : device.ChangeObjektFlag(*m.Flag);
        } catch (const std::exception &e) {
            TFormMainDienste *main = device.GetFormMain();
            MessageBox(main ? main->GetHandle() : nullptr, SprText(9128) + "\n\n" + e.what(),
                       SprText(9041), MB_ICONWARNING);
            return 0;
        }
    });
}

LRESULT OpenDlgGrpAdrToObject(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::OpenDlgGrpAdrToObject>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(device.OpenDlgGrpAdrToObject(m.Object));
    });
}

LRESULT GetPhysAdr(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetPhysAdr>(wParam, lParam, [&](const auto &m) {
        if (m.Out)
            *m.Out = device.GetPhysAdr(m.Wert);
    });
}

LRESULT SetObjFktToData(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::SetObjFktToData>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(device.SetObjFktToData(m.Handle, m.Wert != 0));
    });
}

LRESULT EtsObjektCheck(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::EtsObjektCheck>(wParam, lParam,
                                                [&](const auto &) { device.EtsObjektCheck(); });
}

LRESULT GetGaIdFromGaWord(TDeviceInstanz &device, WPARAM wParam, LPARAM lParam) {
    return AzMsg::Answer<AzMsg::GetGaIdFromGaWord>(wParam, lParam, [&](const auto &m) {
        return static_cast<LRESULT>(
            m.Out && device.GetGaIdFromGaWord(static_cast<short>(m.Wert & 0xFFFF), *m.Out));
    });
}

struct TDecoder {
    UINT Msg;
    LRESULT (*Decode)(TDeviceInstanz &, WPARAM, LPARAM);
};
constexpr TDecoder kDecoder[] = {
    {AzMsg::GetDataPointer::Id, &GetDataPointer},
    {AzMsg::GetDatenSatz::Id, &GetDatenSatz},
    {AzMsg::DeleteNextDatenSatz::Id, &DeleteNextDatenSatz},
    {AzMsg::GetDatenSatzSystem::Id, &GetDatenSatzSystem},
    {AzMsg::DeviceRequest::Id, &DeviceRequest},
    {AzMsg::DeviceRequest2::Id, &DeviceRequest2},
    {AzMsg::GetDeviceParam::Id, &GetDeviceParam},
    {AzMsg::UserObjectMessage::Id, &UserObjectMessage},
    {AzMsg::LinkToSubGroup::Id, &LinkToSubGroup},
    {AzMsg::UnLinkFromSubGroup::Id, &UnLinkFromSubGroup},
    {AzMsg::ProgressAbbruch::Id, &ProgressAbbruch},
    {AzMsg::GetGrpAdrNr::Id, &GetGrpAdrNr},
    {AzMsg::GetGrpAdrNrAsZahl::Id, &GetGrpAdrNrAsZahl},
    {AzMsg::GrpAdrSendend::Id, &GrpAdrSendend},
    {AzMsg::GrpAdrNichtSendend::Id, &GrpAdrNichtSendend},
    {AzMsg::ObjektFlag::Id, &ObjektFlag},
    {AzMsg::OpenDlgGrpAdrToObject::Id, &OpenDlgGrpAdrToObject},
    {AzMsg::GetPhysAdr::Id, &GetPhysAdr},
    {AzMsg::SetObjFktToData::Id, &SetObjFktToData},
    {AzMsg::EtsObjektCheck::Id, &EtsObjektCheck},
    {AzMsg::GetGaIdFromGaWord::Id, &GetGaIdFromGaWord},
};

} // namespace

bool DeviceMessages::Dispatch(TDeviceInstanz *device, UINT msg, WPARAM wParam, LPARAM lParam,
                              LRESULT &result) {
    LOG_FKT("DeviceMessages::Dispatch");
    // 1147 stops adding detectors (3); its other codes stop the main window's progress.
    if (msg == AzMsg::ProgressAbbruch::Id &&
        AzMsg::ProgressAbbruch::Decode(wParam, lParam).L != AzMsg::kAbbruchMelderHinzufuegen)
        return false;
    for (const TDecoder &d : kDecoder)
        if (d.Msg == msg) {
            result = device ? d.Decode(*device, wParam, lParam) : 0;
            return true;
        }
    return false;
}
