// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real window, offscreen, in a fresh working folder: settings in memory,
// message boxes recorded instead of waiting for a click.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "WorkingFolder.h"
#include "platform/DiskFileSystem.h"
#include "ui/TForm1.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/Skin.h"

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace ktq::guitest {

class RecordingPlatform : public QtPlatform {
  public:
    explicit RecordingPlatform(const std::filesystem::path& folder)
        : QtPlatform(std::make_unique<MemorySettingsStore>(),
                     std::make_unique<DiskFileSystem>(folder)) {}
    void ShowMessage(const Text& title, const Text& text) override {
        messages.push_back(title + ": " + text);
    }
    bool AskYesNo(const Text& title, const Text& text) override {
        messages.push_back(title + "? " + text);
        return reply;
    }
    std::vector<std::string> messages;
    bool reply = true;
};

// Red in the low byte, as the model writes colours.
inline QColor Bgr(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

class GuiTest : public ::testing::Test {
  protected:
    void TearDown() override {
        skin.reset();
        form.reset();
    }

    void WriteFile(const std::string& name, const std::string& bytes) { folder.Write(name, bytes); }

    // Creation, the window shown, activation: as the program starts.
    void Start() {
        MakeWindow();
        ShowAndActivate();
    }
    void MakeWindow() {
        form = std::make_unique<TForm1>(platform);
        skin = std::make_unique<Skin>(*form);
    }
    void ShowAndActivate() {
        form->RunGuarded([&] { form->FormCreate(); });
        skin->Flush();
        skin->Window().show();
        form->RunGuarded([&] { form->FormActivate(); });
        skin->Flush();
        QApplication::processEvents();
    }

    // Started, the notice away, a pool picked and prepared: the step before a
    // trial. The tests give Timer1's ticks themselves, one at a time.
    void Prepare() {
        Start();
        form->Panel2.Hide();
        skin->Flush();
        skin->TimerOf(form->Timer1)->stop();
        auto* chooser = WidgetOf<QComboBox>(form->ComboBox1);
        chooser->setCurrentIndex(0);
        emit chooser->activated(0);
        QTest::mouseClick(WidgetOf<QPushButton>(form->Button1), Qt::LeftButton);
    }
    void StartTrial() {
        Prepare();
        QTest::mouseClick(WidgetOf<QPushButton>(form->Button4), Qt::LeftButton);
        ASSERT_FALSE(form->state.QuestionCode.empty());
    }
    // One tick of Timer1, as its QTimer gives it.
    void Tick() {
        form->RunGuarded([&] { form->Timer1.Tick(); });
        skin->Flush();
    }
    // Keys reach the focus only in the active window.
    void Activate() {
        skin->Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&skin->Window()));
    }
    // The control whose widget holds the keyboard focus, or null.
    Control* FocusedControl() {
        for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
            for (Control* c : form->AllControls()) {
                if (skin->WidgetOf(*c) == w)
                    return c;
            }
        }
        return nullptr;
    }

    template <class W>
    W* WidgetOf(const Control& c) {
        auto* w = dynamic_cast<W*>(skin->WidgetOf(c));
        EXPECT_NE(w, nullptr) << c.Name();
        return w;
    }

    // Saved for a person to look at: in the build folder, or where
    // KTQ_SCREENSHOT_DIR names.
    void Screenshot(const std::string& name, QWidget* window = nullptr) {
        const char* dir = std::getenv("KTQ_SCREENSHOT_DIR");
#ifdef KTQ_DEFAULT_SCREENSHOT_DIR
        if (dir == nullptr)
            dir = KTQ_DEFAULT_SCREENSHOT_DIR;
#endif
        if (dir == nullptr)
            return;
        std::filesystem::create_directories(dir);
        QApplication::processEvents();
        const QString path = QString::fromStdString((std::filesystem::path(dir) / name).string());
        QWidget& shot = window ? *window : skin->Window();
        EXPECT_TRUE(shot.grab().save(path, "PNG")) << path.toStdString();
    }

    testsupport::WorkingFolder folder;
    RecordingPlatform platform{folder.Path()};
    std::unique_ptr<TForm1> form;
    std::unique_ptr<Skin> skin;
};

// Eight questions of a tech pool, enough that a trial's draw does not restart
// its cycle at once; the second refers to a figure.
inline std::string TechPool() {
    std::string pool =
        "Tech pool 2022\r\nSUBELEMENT T1 - RULES\r\nT1A - Purpose and permissible use\r\n";
    for (int n = 1; n <= 8; ++n) {
        const std::string code = "T1A0" + std::to_string(n);
        const char letter = static_cast<char>('A' + n % 4);
        pool += code + " (" + letter + ") [97." + std::to_string(n) + "]\r\n";
        pool +=
            n == 2 ? "What is component 1 in figure T-1?\r\n"
                   : "Which is answer " + std::string(1, letter) + " of question " + code + "?\r\n";
        pool += "A. Resistor\r\nB. Transistor\r\nC. Battery\r\nD. Lamp\r\n~~\r\n\r\n";
    }
    return pool + "~~~ End of question pool ~~~\r\n";
}

}  // namespace ktq::guitest
