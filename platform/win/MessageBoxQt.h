// The program's message box: a QMessageBox with the buttons, default button and icon that the
// style asks for, answering the operating system's button ids. The program installs it at
// start; tests keep their recorders.
#pragma once

#include "platform/win/MessageBox.h"

// The box's answer for a style, given the button pressed (tests press it themselves).
class QMessageBox;
QMessageBox *CreateQtMessageBox(const AnsiString &text, const AnsiString &caption,
                                unsigned style);
// The button id of the box's pressed button (IDCANCEL when none).
int QtMessageBoxResult(const QMessageBox &box);
// Installs the Qt box as the message-box handler.
void InstallQtMessageBox();
