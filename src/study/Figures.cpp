// SPDX-License-Identifier: GPL-3.0-or-later
// The figures that questions name: found at start, shown in the figure panel
// above the details box, and optionally handed to the desktop's viewer.
#include "platform/JpegPicture.h"
#include "platform/TextFile.h"
#include "study/FigureRules.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

// The pool's drawings; any one of them present makes figures available.
constexpr const char* kKnownFigures[] = {
    "E5-2.jpg", "E6-1.jpg", "E6-2.jpg", "E6-3.jpg", "E6-5.jpg", "E7-1.jpg", "E7-2.jpg", "E7-3.jpg",
    "E7-4.jpg", "E9-1.jpg", "E9-2.jpg", "E9-3.jpg", "T-1.jpg",  "T-2.jpg",  "T-3.jpg",  "G7-1.jpg"};

// Decoding the whole picture, not only its header, so a damaged file is
// reported here rather than shown half. The size is the one it declares.
FigureSize GetPictureSize(FileSystem& files, const Text& file) {
    const Picture picture = DecodeJpegFile(files, file);
    return {picture.sourceWidth, picture.sourceHeight};
}

}  // namespace

void TForm1::FindAvailableImages() {
    state.AvailableImages.clear();
    for (const char* name : kKnownFigures) {
        if (FileExists(Files(), name))
            state.AvailableImages += Text(name) + " ";
    }
    if (DiagOn())
        Label14.SetText("Images available: " + state.AvailableImages);
}

void TForm1::ShowFigureOf(const Text& record) {
    if (state.AvailableImages.empty())
        return;
    const Text name = FigureFileName(record);
    if (name.empty() || !FileExists(Files(), name))
        return;
    state.FigureFile = name;
    if (CheckBox2.Checked())
        Sys().OpenWithViewer(name);

    const FigureSize picture = GetPictureSize(Files(), name);
    const FigureSize shown = FitFigure(picture.width, picture.height);
    Panel1.SetLeft(Width() - shown.width - 30);
    Panel1.SetWidth(shown.width + 20);
    Panel1.SetHeight(shown.height + 20);
    Panel1.SetTop(Memo3.Top() - Panel1.Height());
    Image1.SetWidth(shown.width);
    Image1.SetHeight(shown.height);
    Image1.SetPicture(name, picture.width, picture.height);
    Panel1.Show();
    Button2.Show();
}

void TForm1::Button2Click() {
    Panel1.Show();
}

void TForm1::Image1Click() {
    Panel1.Hide();
}

void TForm1::CheckBox2Click() {
    if (CheckBox2.Checked() && !state.FigureFile.empty()) {
        Sys().OpenWithViewer(state.FigureFile);
        state.FigureFile.clear();
    }
}

}  // namespace ktq
