#include "ui/TForm1.h"

namespace ktq {

void TForm1::CheckBox1Click() {}

void TForm1::ShowDetails() {}

void TForm1::Memo3MouseDown() {}

void TForm1::Edit1Change() {}

}  // namespace ktq
