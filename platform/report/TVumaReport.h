// The report engine: prints the project window's tree, depth first and indented with icon and
// caption, and below each object that shows a parameter grid that grid's rows (caption and
// value, the values at one tab stop); a header of the caller's lines and the page number on
// every page; no entry split over two pages. Start shows the page preview or prints, as the
// report information says.
//
// The rows come from the object itself: Start lets each such object build its grid into the
// caller's work grid with its flag A set, which marks the build as one for printing (groups
// unfolded; an object that shows nothing printable leaves the grid's Tag at -1).
//
// Where it prints and how the preview shows are replaceable handlers: the program's choose the
// printer in the print dialog and run the preview dialog; tests print into a PDF file and grab
// the preview.
#pragma once

#include "platform/report/ReportInfo.h"

#include <functional>
#include <map>
#include <vector>

class QPainter;
class QPixmap;
class QPrinter;
class QPrintPreviewDialog;
class TDrawGridSE;

// (printer, the report's owner handle) -> true: print on it as it is now set up.
using TReportDruckerHandler = std::function<bool(QPrinter &printer, void *owner)>;
// Shows the preview dialog until the user closes it.
using TReportVorschauHandler = std::function<void(QPrintPreviewDialog &dialog)>;

// Installs a handler and answers the previous one; an empty one puts the program's back.
TReportDruckerHandler SetReportDruckerHandler(TReportDruckerHandler handler);
TReportVorschauHandler SetReportVorschauHandler(TReportVorschauHandler handler);

class TVumaReport {
public:
    // One printed entry: a tree node (its icon and caption) or one grid row of the object of
    // the node before it (caption and value; a group title is printed bold).
    struct TEintrag {
        enum TArt { Knoten, Zeile, Gruppe };
        TArt Art = Knoten;
        int Level = 0;
        AnsiString Text;
        AnsiString Wert; // rows only
        int ImageIndex = -1;
        bool operator==(const TEintrag &) const = default;
    };
    // Where an entry lands: its page (from 1) and its top in printer units.
    struct TPlatz {
        int Seite = 1;
        int Y = 0;
        bool operator==(const TPlatz &) const = default;
    };

    // nodes: the tree's nodes in depth-first order; grid: the work grid the objects build
    // their rows into (borrowed until Start returns; null: no rows); owner: the main window's
    // handle; images: the nodes' icons (borrowed; null: none); bitmaps: further images by
    // number (the editor passes none).
    TVumaReport(TReportKnotenListe nodes, TDrawGridSE *grid, void *owner, TRecReportInfo info,
                const TReportBilder *images, const std::map<int, QPixmap> *bitmaps,
                TRecCharTabInfo charTab);
    virtual ~TVumaReport();
    TVumaReport(const TVumaReport &) = delete;
    TVumaReport &operator=(const TVumaReport &) = delete;

    // The header's lines, separated by "\n".
    void SetHeader(const AnsiString &header);
    // Builds the entries and shows the preview or prints; true when the pages were made
    // (false when the printer was not chosen or could not be opened, after a box).
    bool Start();

    // The entries, built anew from the nodes and their objects' grids.
    std::vector<TEintrag> BuildEintraege();
    // Paints the last built entries on the printer, page by page; false after a box when the
    // printer cannot be opened.
    bool Paint(QPrinter &printer);
    // Page breaks: entries of the given heights placed from top on, down to bottom at most;
    // an entry that does not fit on the rest of a page starts the next one, an entry taller
    // than a whole page stands alone on its page.
    static std::vector<TPlatz> Umbruch(const std::vector<int> &hoehen, int top, int bottom);

    const std::vector<AnsiString> &Header() const { return FHeader; }
    const TRecReportInfo &Info() const { return FInfo; }
    const TRecCharTabInfo &CharTabInfo() const { return FCharTab; }
    void *Owner() const { return FOwner; }
    // How many pages the last Paint made.
    int Seiten() const { return FSeiten; }

private:
    void PaintHeader(QPainter &painter, int left, int right, int top, int lineHeight, int page);

    TReportKnotenListe FNodes;
    TDrawGridSE *FGrid;
    void *FOwner;
    TRecReportInfo FInfo;
    const TReportBilder *FImages;
    const std::map<int, QPixmap> *FBitmaps;
    TRecCharTabInfo FCharTab;
    std::vector<AnsiString> FHeader;
    std::vector<TEintrag> FEintraege;
    int FSeiten = 0;
};
