#include "shell/TDrucken.h"

#include "foundation/SprTexte.h"
#include "platform/grid/TDrawGridSE.h"
#include "platform/log/Log.h"
#include "platform/win/CursorHourGlass.h"
#include "shell/QtText.h"
#include "shell/TFormVerw.h"
#include "shell/TImageList.h"
#include "shell/TTreeNode.h"
#include "shell/TTreeView.h"

#include <functional>
#include <utility>

TDrucken::TDrucken() {
    LOG_FKT("TDrucken::TDrucken");
}

TDrucken::~TDrucken() {
    LOG_FKT("TDrucken::~TDrucken");
}

TRecReportInfo TDrucken::ReportInfo(bool vorschau) {
    LOG_FKT("TDrucken::ReportInfo");
    TRecReportInfo info;
    info.Vorschau = vorschau;
    info.Flag = true;
    return info;
}

AnsiString TDrucken::Kopf(const TDeviceInstanz::TDeviceEtsInfo &info) {
    LOG_FKT("TDrucken::Kopf");
    AnsiString kopf = SprText(9199) + ": " + info.ProjectName;
    kopf +=
        "\n" + SprText(9025) + ": " + info.ProductText + ", " + SprText(1036) + ": " + info.PhysAdr;
    if (!info.DeviceName.empty()) {
        AnsiString name;
        for (size_t i = 0; i < info.DeviceName.size(); ++i) {
            if (info.DeviceName.compare(i, 2, "\r\n") == 0) {
                name += ' ';
                ++i;
            } else {
                name += info.DeviceName[i];
            }
        }
        kopf += "\n[" + name + "]";
    }
    return kopf;
}

TReportKnotenListe TDrucken::Knoten(const TTreeView &tree) {
    LOG_FKT("TDrucken::Knoten");
    TReportKnotenListe out;
    const std::function<void(QTreeWidgetItem *, int)> walk = [&](QTreeWidgetItem *item, int level) {
        const TTreeNode *node = AsNode(item);
        out.push_back({level, FromQString(item->text(0)), node ? node->ImageIndex : -1,
                       node ? node->Data() : nullptr});
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i), level + 1);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        walk(tree.topLevelItem(i), 0);
    return out;
}

std::unique_ptr<TVumaReport> TDrucken::NeuerReport(TReportKnotenListe nodes, TDrawGridSE *grid,
                                                   void *owner, TRecReportInfo info,
                                                   const TReportBilder *images) {
    LOG_FKT("TDrucken::NeuerReport");
    return std::make_unique<TVumaReport>(std::move(nodes), grid, owner, std::move(info), images,
                                         nullptr, TRecCharTabInfo{});
}

bool TDrucken::MakeDrucken(TRecReportInfo info, TDeviceInstanz *device, TFormVerw *active,
                           HWND mainWindow, const TImageList &images) {
    LOG_FKT("TDrucken::MakeDrucken");
    if (!device || !active || !active->Tree)
        return false;
    TCursorHourGlass hourGlass;
    TDeviceInstanz::TDeviceEtsInfo ets;
    device->GetDeviceEtsInfo(ets);
    FReport.reset();
    // The objects build their rows into a grid of the print's own, never into a window's.
    auto grid = std::make_unique<TDrawGridSE>();
    grid->Clear();
    info.Text = ets.ProductText;
    FReport = NeuerReport(Knoten(*active->Tree), grid.get(), mainWindow, std::move(info), &images);
    FReport->SetHeader(Kopf(ets));
    return FReport->Start();
}
