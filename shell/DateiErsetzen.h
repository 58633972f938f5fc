// Writing a file of the program (autosave copy, export) so that a reader never finds it half
// written and a failed write keeps the previous file: the bytes go to a temporary file beside
// the target, which then replaces the target in one step.
#pragma once

#include "platform/vcl/Streams.h"

#include <string>

// Throws EFCreateError when the temporary cannot be made or written, or the target cannot be
// replaced; the temporary is gone then and the target as it was.
void ErsetzeDatei(const std::string &path, const TMemoryStream &inhalt);
