#include "ui/TForm1.h"

namespace ktq {

void TForm1::ComboBox2Change() {}

void TForm1::UpDown1Click(UpDownArrow) {}

void TForm1::Memo2MouseDown() {}

void TForm1::Memo2Click() {}

}  // namespace ktq
