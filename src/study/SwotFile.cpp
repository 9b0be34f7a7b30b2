#include "ui/TForm1.h"

namespace ktq {

void TForm1::Button3Click() {}

void TForm1::WriteSwotFromBank() {}

void TForm1::WriteSwotFromPool() {}

}  // namespace ktq
