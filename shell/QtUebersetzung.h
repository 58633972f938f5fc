// Qt's own texts (the buttons and labels of its file, print and input dialogs) in German like
// the rest of the editor, from the translations Qt installs beside itself.
#pragma once

// Installs them into the application; false when Qt's German file is not on this machine (the
// dialogs then keep Qt's English).
bool InstallQtUebersetzung();
