#include "ui/TForm1.h"

namespace ktq {

void TForm1::Edit3Change() {}

void TForm1::LookupReference() {}

void TForm1::Button7Click() {}

}  // namespace ktq
