#include "ui/TForm1.h"

namespace ktq {

void TForm1::ShowQuestion(const Text&) {}

}  // namespace ktq
