#pragma once

namespace linealidad {

// The two-sided 5 % critical value of Student's t for `degreesOfFreedom` degrees of freedom, as
// the program's own table lists it (1 to 324; constant between its listed points). Outside the
// table: ArithmeticError (invalid operation).
double TablaT(int degreesOfFreedom);

} // namespace linealidad
