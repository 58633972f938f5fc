#include "shell/FensterAnordnung.h"

#include "platform/log/Log.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>
#include <vector>

namespace {

std::vector<QMdiSubWindow *> Fenster(QMdiArea &area, bool minimiert) {
    std::vector<QMdiSubWindow *> out;
    for (QMdiSubWindow *w : area.subWindowList(QMdiArea::CreationOrder))
        if (!w->isHidden() && w->isMinimized() == minimiert)
            out.push_back(w);
    return out;
}

// Equal shares of the area along one direction; the last window takes what rounding leaves.
void Teilen(QMdiArea &area, bool nebeneinander) {
    const std::vector<QMdiSubWindow *> fenster = Fenster(area, false);
    if (fenster.empty())
        return;
    const QRect r = area.viewport()->rect();
    const int n = static_cast<int>(fenster.size());
    const int ganz = nebeneinander ? r.width() : r.height();
    const int teil = std::max(1, ganz / n);
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow *w = fenster[static_cast<size_t>(i)];
        if (w->isMaximized())
            w->showNormal();
        const int von = i * teil;
        const int laenge = i == n - 1 ? std::max(1, ganz - von) : teil;
        w->setGeometry(nebeneinander ? QRect(von, 0, laenge, r.height())
                                     : QRect(0, von, r.width(), laenge));
    }
}

} // namespace

uint8_t Fensterzustand(const QWidget *w) {
    LOG_FKT("Fensterzustand");
    const Qt::WindowStates states = w->windowState();
    if (states & Qt::WindowMinimized)
        return 1;
    if (states & Qt::WindowMaximized)
        return 2;
    return 0;
}

void Nebeneinander(QMdiArea &area) {
    LOG_FKT("FensterAnordnung::Nebeneinander");
    Teilen(area, true);
}

void Uebereinander(QMdiArea &area) {
    LOG_FKT("FensterAnordnung::Uebereinander");
    Teilen(area, false);
}

void SymboleAnordnen(QMdiArea &area) {
    LOG_FKT("FensterAnordnung::SymboleAnordnen");
    const QRect r = area.viewport()->rect();
    int x = 0;
    int unten = r.height();
    int zeile = 0; // height of the current row
    for (QMdiSubWindow *w : Fenster(area, true)) {
        const QSize s = w->size();
        if (x > 0 && x + s.width() > r.width()) {
            unten -= zeile;
            x = 0;
            zeile = 0;
        }
        w->move(x, unten - s.height());
        x += s.width();
        zeile = std::max(zeile, s.height());
    }
}
