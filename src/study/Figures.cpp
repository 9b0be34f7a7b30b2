#include "ui/TForm1.h"

namespace ktq {

void TForm1::FindAvailableImages() {}

void TForm1::ShowFigureOf(const Text&) {}

void TForm1::Button2Click() {}

void TForm1::Image1Click() {}

void TForm1::CheckBox2Click() {}

}  // namespace ktq
