#pragma once
// Text of the programs: 8-bit Windows-1251 bytes.
#include <string>

using AnsiString = std::string;
