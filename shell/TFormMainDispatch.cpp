// The main window's message service: what the panel objects, the device instance and the
// project windows send and post to the main window. The device instance's own messages go
// through its decoder (DeviceMessages); what follows them here is the shell's part.
#include "shell/TFormMain.h"

#include "deviceinstance/DeviceMessages.h"
#include "deviceinstance/TDeviceInstanz.h"
#include "platform/dialogs/DlgProgress.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/objectbase/TDataBasis.h"
#include "platform/win/CursorHourGlass.h"
#include "shell/TDM.h"
#include "shell/TDrawGridSEView.h"
#include "shell/TFormVerw.h"

#include <algorithm>

LRESULT TFormMain::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LOG_FKT("TFormMain::WndProc");
    return Dispatch(msg, wParam, lParam);
}

LRESULT TFormMain::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    LOG_FKT("TFormMain::Dispatch");
    // Each window in the list's order, told whether it is the active one.
    auto jedes = [this](auto &&f) {
        const std::vector<TFormVerw *> list = FFormVerwList;
        for (TFormVerw *w : list)
            f(w, w == FAktivFormVerw);
    };
    auto aktivAnGeraet = [this] {
        if (FAktDevInst)
            FAktDevInst->SetFormVerw(FAktivFormVerw);
    };

    if (std::find(std::begin(kAzMsgIgnoriert), std::end(kAzMsgIgnoriert), msg) !=
        std::end(kAzMsgIgnoriert))
        return 0;
    // 1147 with code 3 is the device's; its other codes stop the main window's progress.
    if (msg == AzMsg::ProgressAbbruch::Id) {
        const AzMsg::ProgressAbbruch m = AzMsg::ProgressAbbruch::Decode(wParam, lParam);
        if (m.L == AzMsg::kAbbruchNichts)
            return 0;
        if (m.L != AzMsg::kAbbruchMelderHinzufuegen) {
            FProgressAbbruch = true;
            _StopDlgProgress();
            return 0;
        }
    }
    LRESULT result = 0;
    if (DeviceMessages::Dispatch(FAktDevInst, msg, wParam, lParam, result)) {
        if (!FAktDevInst)
            return result;
        if (msg == AzMsg::UserObjectMessage::Id && FAktivFormVerw)
            FAktivFormVerw->UpdateTreeNamesAndIcon();
        if (msg == AzMsg::LinkToSubGroup::Id)
            jedes([](TFormVerw *w, bool) { w->AktualisiereAnsicht(nullptr, 0, 0); });
        return result;
    }

    switch (msg) {
    case WM_CLOSE:
        if (!FAktDevInst) {
            HideMainWindow();
            return 1;
        }
        if (AzChecksVerlassen())
            ApplCloseOrHide(false, false);
        return 1;
    case WM_QUERYOPEN:
        jedes([](TFormVerw *w, bool) { w->ZeigeMeldeFenster(); });
        return FFormVerwList.empty() ? 0 : 1;
    case AzMsg::AktualisiereAnsicht::Id:
        return AzMsg::Answer<AzMsg::AktualisiereAnsicht>(wParam, lParam, [&](const auto &m) {
            TCursorHourGlass hourGlass;
            jedes([&](TFormVerw *w, bool aktiv) {
                aktiv ? w->AktualisiereAnsicht(nullptr, m.Col, m.Row)
                      : w->AktualisiereAnsicht(nullptr, -1, -1);
            });
        });
    case AzMsg::SetModified::Id:
        FDM.Modified = true;
        return 0;
    case AzMsg::GetRootDevice::Id:
        return AzMsg::Answer<AzMsg::GetRootDevice>(wParam, lParam, [&](const auto &) {
            return FAktDevInst ? FAktDevInst->GetDevice() : nullptr;
        });
    case AzMsg::TimeOutStart::Id:
        return AzMsg::Answer<AzMsg::TimeOutStart>(wParam, lParam, [&](const auto &m) {
            TimeOutStart(static_cast<int>(m.W), static_cast<int>(m.L));
            return LRESULT{0};
        });
    case AzMsg::UpdateViews::Id:
        return AzMsg::Answer<AzMsg::UpdateViews>(wParam, lParam, [&](const auto &m) {
            TCursorHourGlass hourGlass;
            if (m.Pointer && FAktivFormVerw)
                m.Pointer->UpdateViews(&FAktivFormVerw->Grid, FAktivFormVerw->ListView);
            return LRESULT{m.Pointer ? 1 : 0};
        });
    case AzMsg::LoadColor::Id:
        jedes([&](TFormVerw *w, bool) {
            w->LoadColor(FDM.ColorGridCommon, FDM.ColorGridCell, FDM.ColorGridTitle,
                         FDM.ColorGridCellReadOnly, FDM.Gitternetzlinien);
        });
        raise();
        return 0;
    case AzMsg::ActivateCell::Id:
        return AzMsg::Answer<AzMsg::ActivateCell>(wParam, lParam, [&](const auto &m) {
            if (!FAktivFormVerw && !FFormVerwList.empty())
                FAktivFormVerw = FFormVerwList.front();
            if (FAktivFormVerw && FAktivFormVerw->GridView &&
                !FAktivFormVerw->GridView->isHidden()) {
                TDrawGridSE &grid = FAktivFormVerw->Grid;
                grid.BeginUpdate();
                grid.ResizeAktivFeld();
                grid.ResizeAktivFeld();
                grid.EndUpdate();
                grid.SetActiveCell(m.Col, m.Row);
            }
        });
    case AzMsg::LoadSize::Id:
        jedes([&](TFormVerw *w, bool) { w->LoadSize(FDM.GridAutoSize, FDM.GridColDefSize); });
        return 0;
    case AzMsg::UpdateTreeNames::Id: {
        TCursorHourGlass hourGlass;
        jedes([](TFormVerw *w, bool aktiv) {
            w->UpdateTreeNamesAndIcon();
            if (!aktiv) {
                int col = -1, row = -1;
                w->Grid.GetActiveCell(col, row);
                w->AktualisiereAnsicht(nullptr, col, row);
            }
        });
        FDM.AnsichtAktualisieren = false;
        return 0;
    }
    case AzMsg::RegisterFormVerw::Id:
        return AzMsg::Answer<AzMsg::RegisterFormVerw>(wParam, lParam, [&](const auto &m) {
            if (!m.Pointer)
                return;
            FFormVerwList.push_back(m.Pointer);
            std::sort(FFormVerwList.begin(), FFormVerwList.end());
            FFormVerwList.erase(std::unique(FFormVerwList.begin(), FFormVerwList.end()),
                                FFormVerwList.end());
        });
    case AzMsg::UnregisterFormVerw::Id:
        return AzMsg::Answer<AzMsg::UnregisterFormVerw>(wParam, lParam, [&](const auto &m) {
            std::erase(FFormVerwList, m.Pointer);
            if (FAktivFormVerw == m.Pointer) {
                FAktivFormVerw = FFormVerwList.empty() ? nullptr : FFormVerwList.front();
                aktivAnGeraet();
            }
        });
    case AzMsg::ActivateFormVerw::Id:
        return AzMsg::Answer<AzMsg::ActivateFormVerw>(wParam, lParam, [&](const auto &m) {
            if (m.Pointer) {
                FAktivFormVerw = m.Pointer;
                aktivAnGeraet();
            }
        });
    case AzMsg::AbgleichFormVerw::Id:
        AbgleichFormVerw(FAktivFormVerw);
        return 0;
    case AzMsg::RefreshOtherWindows::Id: {
        TCursorHourGlass hourGlass;
        jedes([](TFormVerw *w, bool aktiv) {
            if (!aktiv)
                w->AktualisiereAnsicht(nullptr, -1, -1);
        });
        return 0;
    }
    case AzMsg::UpdateNodes::Id:
        return AzMsg::Answer<AzMsg::UpdateNodes>(wParam, lParam, [&](const auto &m) {
            jedes([&](TFormVerw *w, bool) {
                for (TDataBasis *object : {m.First, m.Second})
                    if (object)
                        w->UpdateNodeIcon(object);
            });
        });
    case AzMsg::CheckGrpAdrOrdner::Id:
        return CheckGrpAdrOrdner() ? 1 : 0;
    default:
        // The window's default handling answers nothing (1139, 1162 and the rest).
        return 0;
    }
}
