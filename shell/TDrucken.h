// Printing and the page preview of the active project window: the report's information, its
// header from the bus tool's texts about the device, the tree's nodes as the report takes them,
// and the one report object, kept until the next print replaces it or its owner goes.
#pragma once

#include "deviceinstance/TDeviceInstanz.h"
#include "platform/report/TVumaReport.h"
#include "platform/win/Messages.h"

#include <memory>

class TFormVerw;
class TImageList;
class TTreeView;

class TDrucken {
public:
    TDrucken();
    virtual ~TDrucken();
    TDrucken(const TDrucken &) = delete;
    TDrucken &operator=(const TDrucken &) = delete;

    // The report information of the preview (true) or the print (false).
    static TRecReportInfo ReportInfo(bool vorschau);
    // Three lines: project; device and physical address; the device's name in brackets, its
    // line breaks (CR LF) as blanks (no third line when it has no name).
    static AnsiString Kopf(const TDeviceInstanz::TDeviceEtsInfo &info);
    // The tree's nodes in depth-first order.
    static TReportKnotenListe Knoten(const TTreeView &tree);

    // Builds and starts the report of the active window's tree for the device; nothing
    // without either. The report object of an earlier print is deleted first; the new one
    // stays. True when the report ran and made its pages.
    bool MakeDrucken(TRecReportInfo info, TDeviceInstanz *device, TFormVerw *active,
                     HWND mainWindow, const TImageList &images);

    // The report object of the last print, or null.
    TVumaReport *Report() const { return FReport.get(); }

protected:
    // Makes the report object (a test puts one of its own in place).
    virtual std::unique_ptr<TVumaReport> NeuerReport(TReportKnotenListe nodes, TDrawGridSE *grid,
                                                     void *owner, TRecReportInfo info,
                                                     const TReportBilder *images);

private:
    std::unique_ptr<TVumaReport> FReport;
};
