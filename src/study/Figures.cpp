// SPDX-License-Identifier: GPL-3.0-or-later
// The figures that questions name: found at start, shown in the figure panel
// above the details box, and optionally handed to the desktop's viewer.
#include "platform/PictureFile.h"
#include "platform/TextFile.h"
#include "study/FigureRules.h"
#include "ui/TForm1.h"

namespace ktq {
namespace {

// The pool's drawings, those of the pools in force and of earlier ones; any
// one of them present, as JPEG or PNG, makes figures available.
constexpr const char* kKnownFigures[] = {"E5-1", "E5-2", "E6-1", "E6-2", "E6-3", "E6-5",
                                         "E7-1", "E7-2", "E7-3", "E7-4", "E9-1", "E9-2",
                                         "E9-3", "T-1",  "T-2",  "T-3",  "G7-1"};

// Decoding the whole picture, not only its header, so a damaged file is
// reported here rather than shown half. The size is the one it declares.
FigureSize GetPictureSize(FileSystem& files, const Text& file) {
    const Picture picture = DecodePictureFile(files, file);
    return {picture.sourceWidth, picture.sourceHeight};
}

}  // namespace

void TForm1::FindAvailableImages() {
    state.AvailableImages.clear();
    for (const char* figure : kKnownFigures) {
        const Text file = FigureFileOf(Files(), figure);
        if (!file.empty())
            state.AvailableImages += file + " ";
    }
    if (DiagOn())
        Label14.SetText("Images available: " + state.AvailableImages);
}

void TForm1::ShowFigureOf(const Text& record) {
    if (state.AvailableImages.empty())
        return;
    const Text figure = FigureName(record);
    const Text name = figure.empty() ? Text() : FigureFileOf(Files(), figure);
    if (name.empty())
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
    Button10.Show();
}

void TForm1::Button10Click() {
    if (state.FigureFile.empty() || !Button10.Showing())
        return;
    state.FigureWindowFile = state.FigureFile;
    if (OnFigureWindowRequested)
        OnFigureWindowRequested(state.FigureFile);
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
