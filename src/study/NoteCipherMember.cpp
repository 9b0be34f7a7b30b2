#include "ui/TForm1.h"

namespace ktq {

Text TForm1::DecipherNote(const Text& text) const { return text; }

}  // namespace ktq
