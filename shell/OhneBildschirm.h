// The editor where nobody sees it (Qt's offscreen platform: a headless run under the bus tool's
// host): nothing may wait for a click that cannot come. A message box and the detailed error
// box are written to standard error and answered by their default button; a modal dialog (the
// input box at the start among them) is cancelled, as by Escape.
#pragma once

// Installs the three when the platform is the offscreen one (after the program's own detailed
// error box, which it replaces); true when it did.
bool InstallOhneBildschirm();
