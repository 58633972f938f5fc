// The detector items of the Projektierung menu as the selected object sets them when the menu
// opens: an area takes new and pasted detectors, a detector can be deleted and copied (the
// panel's own wired input neither); nothing else offers them. The tool bar's buttons follow the
// actions, which the project window switches.
#pragma once

#include <optional>

class QAction;
class TDataBasis;

struct TMelderMenue {
    bool Hinzufuegen = false;
    bool Loeschen = false;
    bool Kopieren = false;
    bool Einfuegen = false;
    bool operator==(const TMelderMenue &) const = default;
};

// The four items' states for the selected object; none when nothing is selected (the items
// stay as they are).
std::optional<TMelderMenue> MelderMenueZustand(TDataBasis *selected);
// Sets the four menu items (a null item is skipped); nothing without a state.
void SetzeMelderMenue(const std::optional<TMelderMenue> &zustand, QAction *hinzufuegen,
                      QAction *loeschen, QAction *kopieren, QAction *einfuegen);
