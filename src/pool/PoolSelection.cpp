#include "ui/TForm1.h"

namespace ktq {

void TForm1::ComboBox1Change() {}

void TForm1::ResetScoreDisplay() {}

}  // namespace ktq
