#include "entry/leading_number.h"

namespace tikanda {

double leadingNumber(const std::string&) { return 0; }
int roundHalfEven16(double) { return 0; }

} // namespace tikanda
