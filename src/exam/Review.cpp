#include "ui/TForm1.h"

namespace ktq {

void TForm1::Button5Click() {}

}  // namespace ktq
