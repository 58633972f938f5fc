// The plain text of the program's own rich-text files (the panel description): a small subset
// of RTF is understood, so that no rich-text engine is needed to show a section as text.
//   \par            ends a paragraph (CR LF)
//   \'hh            the Windows-1252 byte hh
//   \\ \{ \}        the character itself
//   other words     (\b, \fs20, \rtf1 ...) are dropped with their one delimiting blank
//   { }             group braces are dropped; groups of \fonttbl, \colortbl, \stylesheet,
//                   \info and \* are skipped whole
// Line breaks in the file itself carry no meaning.
#pragma once

#include "platform/vcl/AnsiString.h"

// The plain text of rtf into text; false with a message in fehler when the file leaves the
// subset (a lone "\" at the end, a "\'" without two hex digits, an unclosed group); text then
// holds what was read up to the fault.
bool RtfZuText(const AnsiString &rtf, AnsiString &text, AnsiString *fehler = nullptr);
