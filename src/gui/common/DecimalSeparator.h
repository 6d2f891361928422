#pragma once

namespace linealidad {

// The decimal separator with which the windows read the grids and write numbers: the system
// locale's, unless a test pins it.
char decimalSeparator();
void setDecimalSeparator(char separator);

} // namespace linealidad
