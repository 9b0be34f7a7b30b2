// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/WidgetDesign.h"

namespace ktq {

WidgetDesign DesignOf(const std::string& name) {
    WidgetDesign d;
    if (name == "Memo1") {
        d.verticalScrollBar = d.horizontalScrollBar = true;
        d.wrapLines = false;
        d.enterAddsLines = false;
    } else if (name == "Memo2" || name == "Memo3") {
        d.verticalScrollBar = true;
    } else if (name == "RichEdit2" || name == "RichEdit3" || name == "RichEdit4" ||
               name == "RichEdit5") {
        d.frame = false;
        d.answerMark = true;
    } else if (name == "Panel2") {
        d.frameWidth = 3;
    }
    d.arrowPointer = name == "ComboBox2" || name == "Memo2" || name == "TrackBar1" ||
                     (name.rfind("RichEdit", 0) == 0 && name != "RichEdit1");
    return d;
}

}  // namespace ktq
