// The editor where nobody sees it (Qt's offscreen platform: a headless run under the bus tool's
// host): nothing may wait for a click that cannot come. A message box is written to standard
// error and answered by its default button; a modal dialog is cancelled, as by Escape.
#pragma once

// Installs both when the platform is the offscreen one; true when it did.
bool InstallOhneBildschirm();
