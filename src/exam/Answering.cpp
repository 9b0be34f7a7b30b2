#include "ui/TForm1.h"

namespace ktq {

void TForm1::Button4Click() {}

void TForm1::AnswerMouseDown(int, MouseButton) {}

void TForm1::Timer1Timer() {}

void TForm1::TrackBar1Change() {}

}  // namespace ktq
