// The window commands' layouts of the project windows in the main window's area: side by
// side, one above the other (the area itself tiles only as a grid), and the minimized windows
// lined up along the bottom. Cascading is the area's own. Also the window state as the settings
// keep it.
#pragma once

#include <cstdint>

class QMdiArea;
class QWidget;

// The saved window state of a window: 0 normal, 1 minimized, 2 maximized.
uint8_t Fensterzustand(const QWidget *w);

// The open (not minimized, not hidden) windows in the order they were made, each the area's
// full height and an equal share of its width, left to right.
void Nebeneinander(QMdiArea &area);
// The same, each the area's full width and an equal share of its height, top to bottom.
void Uebereinander(QMdiArea &area);
// The minimized windows in a row along the area's bottom edge, left to right; a row that is
// full goes on above the last one.
void SymboleAnordnen(QMdiArea &area);
