#include "ui/TForm1.h"

namespace ktq {

void TForm1::Button1Click() {}

void TForm1::BuildQuestionBank() {}

}  // namespace ktq
