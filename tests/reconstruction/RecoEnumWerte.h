// The values of the reconstruction's numbering enumerations, by name, seen from a unit that
// does not include the object model (both declare the same names).
#pragma once

#include <map>
#include <string>

std::map<std::string, int> RecoEnumWerte();
