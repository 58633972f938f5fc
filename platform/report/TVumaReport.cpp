#include "platform/report/TVumaReport.h"

#include "platform/dialogs/TModalDialog.h"
#include "platform/grid/TDrawGridSE.h"
#include "platform/log/Log.h"
#include "platform/objectbase/TDataBasis.h"
#include "platform/vcl/TextLines.h"
#include "platform/win/MessageBox.h"

#include <QPageLayout>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <utility>

namespace {

TReportDruckerHandler &DruckerHandler() {
    static TReportDruckerHandler handler;
    return handler;
}

TReportVorschauHandler &VorschauHandler() {
    static TReportVorschauHandler handler;
    return handler;
}

// The program's: the print dialog chooses and sets up the printer.
bool DruckerWaehlen(QPrinter &printer, void *) {
    QPrintDialog dialog(&printer);
    return dialog.exec() == QDialog::Accepted;
}

void VorschauZeigen(QPrintPreviewDialog &dialog) {
    dialog.exec();
}

// Margins of every page, in millimetres.
constexpr double kRand = 15.0;

// Printer units of a length in millimetres.
int Mm(const QPrinter &printer, double mm) {
    return static_cast<int>(mm * printer.resolution() / 25.4 + 0.5);
}

void Einrichten(QPrinter &printer) {
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(kRand, kRand, kRand, kRand), QPageLayout::Millimeter);
}

// Sets flag A for the object's build for printing and puts it back as it was, also when the
// build throws.
class TDruckMarke {
public:
    explicit TDruckMarke(TDataBasis &object) : FObject(object), FWar(object.GetFlagA()) {
        LOG_FKT("TDruckMarke::TDruckMarke");
        if (!FWar)
            FObject.SetFlagA();
    }
    ~TDruckMarke() {
        LOG_FKT("TDruckMarke::~TDruckMarke");
        if (!FWar)
            FObject.ClearFlagA();
    }
    TDruckMarke(const TDruckMarke &) = delete;
    TDruckMarke &operator=(const TDruckMarke &) = delete;

private:
    TDataBasis &FObject;
    bool FWar;
};

// Where the parts of the entries stand across a page of that width.
struct TSpalten {
    int Einzug;  // per level
    int Bild;    // icon size, also the icon's column
    int Abstand; // icon to caption, caption to value
    int Tab;     // the rows' value column
    int Breite;
    int TextX(int level) const {
        LOG_FKT("TSpalten::TextX");
        return level * Einzug + Bild + Abstand;
    }
    int ZeileX(int level) const {
        LOG_FKT("TSpalten::ZeileX");
        return TextX(level) + Einzug;
    }
};

} // namespace

TReportDruckerHandler SetReportDruckerHandler(TReportDruckerHandler handler) {
    LOG_FKT("TVumaReport::SetReportDruckerHandler");
    return std::exchange(DruckerHandler(), std::move(handler));
}

TReportVorschauHandler SetReportVorschauHandler(TReportVorschauHandler handler) {
    LOG_FKT("TVumaReport::SetReportVorschauHandler");
    return std::exchange(VorschauHandler(), std::move(handler));
}

TVumaReport::TVumaReport(TReportKnotenListe nodes, TDrawGridSE *grid, void *owner,
                         TRecReportInfo info, const TReportBilder *images,
                         const std::map<int, QPixmap> *bitmaps, TRecCharTabInfo charTab)
    : FNodes(std::move(nodes)), FGrid(grid), FOwner(owner), FInfo(std::move(info)), FImages(images),
      FBitmaps(bitmaps), FCharTab(std::move(charTab)) {
    LOG_FKT("TVumaReport::TVumaReport");
}

TVumaReport::~TVumaReport() {
    LOG_FKT("TVumaReport::~TVumaReport");
}

void TVumaReport::SetHeader(const AnsiString &header) {
    LOG_FKT("TVumaReport::SetHeader");
    FHeader = SplitText(header, '\n');
}

std::vector<TVumaReport::TEintrag> TVumaReport::BuildEintraege() {
    LOG_FKT("TVumaReport::BuildEintraege");
    std::vector<TEintrag> out;
    for (const TReportKnoten &node : FNodes) {
        out.push_back({TEintrag::Knoten, node.Level, node.Text, "", node.ImageIndex});
        if (!FGrid || !node.Data || node.Data->ListStyle() != 1)
            continue;
        {
            TDruckMarke marke(*node.Data);
            FGrid->Tag = 0;
            node.Data->BuildInfoWindow(FGrid, nullptr, false, -1, -1);
        }
        if (FGrid->Tag == -1)
            continue;
        for (int row = 0; row < FGrid->RowCount(); ++row) {
            const TCell &caption = FGrid->Cells(0, row);
            static const TCell keine;
            const TCell &value = FGrid->ColCount() > 1 ? FGrid->Cells(1, row) : keine;
            if (caption.Kind == TCell::ckEmpty && value.Kind == TCell::ckEmpty &&
                caption.Text.empty() && value.Text.empty())
                continue; // the empty row of a grid that got none
            const auto art =
                caption.Kind == TCell::ckGroupTitle ? TEintrag::Gruppe : TEintrag::Zeile;
            out.push_back({art, node.Level, caption.Text, value.Text, -1});
        }
    }
    return out;
}

std::vector<TVumaReport::TPlatz> TVumaReport::Umbruch(const std::vector<int> &hoehen, int top,
                                                      int bottom) {
    LOG_FKT("TVumaReport::Umbruch");
    std::vector<TPlatz> out;
    int page = 1;
    int y = top;
    for (const int h : hoehen) {
        if (y + h > bottom && y != top) {
            ++page;
            y = top;
        }
        out.push_back({page, y});
        y += h;
    }
    return out;
}

void TVumaReport::PaintHeader(QPainter &painter, int left, int right, int top, int lineHeight,
                              int page) {
    LOG_FKT("TVumaReport::PaintHeader");
    const QString seite = QStringLiteral("Seite %1").arg(page);
    const int seiteBreite = painter.fontMetrics().horizontalAdvance(seite);
    painter.drawText(QRect(right - seiteBreite, top, seiteBreite, lineHeight),
                     Qt::AlignRight | Qt::AlignTop, seite);
    int y = top;
    for (const AnsiString &line : FHeader) {
        painter.drawText(QRect(left, y, right - left - seiteBreite - lineHeight, lineHeight),
                         Qt::AlignLeft | Qt::AlignTop, QtText(line));
        y += lineHeight;
    }
}

bool TVumaReport::Paint(QPrinter &printer) {
    LOG_FKT("TVumaReport::Paint");
    QPainter painter;
    if (!painter.begin(&printer)) {
        MessageBox(nullptr, "Der Drucker kann nicht angesprochen werden.", "Fehler",
                   MB_OK | MB_ICONERROR);
        return false;
    }
    QFont font = painter.font();
    font.setPointSize(9);
    // No ligatures: the PDF's text reads as the system's, letter by letter.
    font.setStyleStrategy(QFont::PreferNoShaping);
    QFont fett = font;
    fett.setBold(true);
    painter.setFont(font);
    const QRect rect = printer.pageLayout().paintRectPixels(printer.resolution());
    const int lineHeight = painter.fontMetrics().height();

    TSpalten sp{};
    sp.Einzug = Mm(printer, 5);
    sp.Bild = lineHeight;
    sp.Abstand = Mm(printer, 1.5);
    sp.Breite = rect.width();
    sp.Tab = sp.Breite / 2;

    const int kopfZeilen = std::max<int>(1, static_cast<int>(FHeader.size()));
    const int strich = kopfZeilen * lineHeight + Mm(printer, 1.5);
    const int top = strich + Mm(printer, 3);
    const int luft = Mm(printer, 0.8);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

    // Each entry's text boxes and height, measured with its font and column widths.
    struct TBoxen {
        QRect Text, Wert;
    };
    std::vector<TBoxen> boxen;
    std::vector<int> hoehen;
    for (const TEintrag &e : FEintraege) {
        TBoxen b;
        if (e.Art == TEintrag::Knoten) {
            const int x = sp.TextX(e.Level);
            b.Text = QRect(x, 0, std::max(1, sp.Breite - x), lineHeight);
        } else {
            const int x = sp.ZeileX(e.Level);
            const int tab = std::max(sp.Tab, x + Mm(printer, 20));
            b.Text = QRect(x, 0, std::max(1, tab - sp.Abstand - x), lineHeight);
            b.Wert = QRect(tab, 0, std::max(1, sp.Breite - tab), lineHeight);
        }
        painter.setFont(e.Art == TEintrag::Zeile ? font : fett);
        const auto hoch = [&](const QRect &r, const AnsiString &t) {
            return r.isNull()
                       ? 0
                       : painter.boundingRect(QRect(r.x(), 0, r.width(), 1 << 20), flags, QtText(t))
                             .height();
        };
        b.Text.setHeight(std::max(lineHeight, hoch(b.Text, e.Text)));
        if (!b.Wert.isNull())
            b.Wert.setHeight(std::max(lineHeight, hoch(b.Wert, e.Wert)));
        boxen.push_back(b);
        hoehen.push_back(std::max(b.Text.height(), b.Wert.height()) + luft);
    }
    painter.setFont(font);

    const std::vector<TPlatz> plaetze = Umbruch(hoehen, top, rect.height());
    int page = 1;
    const auto kopf = [&] {
        PaintHeader(painter, 0, sp.Breite, 0, lineHeight, page);
        painter.drawLine(0, strich, sp.Breite, strich);
    };
    kopf();
    for (size_t i = 0; i < FEintraege.size(); ++i) {
        const TEintrag &e = FEintraege[i];
        const TPlatz &at = plaetze[i];
        if (at.Seite != page) {
            printer.newPage();
            page = at.Seite;
            kopf();
        }
        if (e.Art == TEintrag::Knoten && FImages) {
            const QPixmap bild = FImages->Pixmap(e.ImageIndex);
            if (!bild.isNull())
                painter.drawPixmap(QRect(e.Level * sp.Einzug, at.Y, sp.Bild, sp.Bild), bild);
        }
        painter.setFont(e.Art == TEintrag::Zeile ? font : fett);
        painter.drawText(boxen[i].Text.translated(0, at.Y), flags, QtText(e.Text));
        if (!boxen[i].Wert.isNull())
            painter.drawText(boxen[i].Wert.translated(0, at.Y), flags, QtText(e.Wert));
    }
    painter.end();
    FSeiten = page;
    return true;
}

bool TVumaReport::Start() {
    LOG_FKT("TVumaReport::Start");
    FEintraege = BuildEintraege();
    if (FInfo.Vorschau) {
        QPrintPreviewDialog dialog;
        Einrichten(*dialog.printer());
        dialog.printer()->setDocName(QtText(FInfo.Text));
        dialog.setWindowTitle(QtText(FInfo.Text));
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                         [this](QPrinter *printer) { Paint(*printer); });
        (VorschauHandler() ? VorschauHandler() : VorschauZeigen)(dialog);
        return true;
    }
    QPrinter printer(QPrinter::HighResolution);
    Einrichten(printer);
    printer.setDocName(QtText(FInfo.Text));
    const bool gewaehlt =
        DruckerHandler() ? DruckerHandler()(printer, FOwner) : DruckerWaehlen(printer, FOwner);
    return gewaehlt && Paint(printer);
}
