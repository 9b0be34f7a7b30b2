// SPDX-License-Identifier: GPL-3.0-or-later
// The "Progress" window over a history of several days: it opens beside the
// trial, follows the answers given, saves its report, and is drawn for a
// person to look at.
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include "GuiFixture.h"
#include "history/AnswerStore.h"
#include "ui/qt/ExamDatePanel.h"
#include "ui/qt/ProgressWindow.h"

namespace ktq::guitest {
namespace {

// Sub-elements T1 to T3, two groups each, four questions a group.
std::string ThreeSubelementPool() {
    std::string pool = "Tech pool 2026\r\n";
    for (int sub = 1; sub <= 3; ++sub) {
        pool += "SUBELEMENT T" + std::to_string(sub) + " - PART\r\n";
        for (char group : {'A', 'B'}) {
            pool += "T" + std::to_string(sub) + group + " - Group\r\n";
            for (int n = 1; n <= 4; ++n) {
                const std::string code =
                    "T" + std::to_string(sub) + group + "0" + std::to_string(n);
                pool += code + " (B)\r\nWhich one is " + code +
                        "?\r\nA. this\r\nB. that\r\nC. neither\r\nD. both\r\n~~\r\n";
            }
        }
    }
    return pool;
}

class ProgressWindowTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteFile("tech 2026 pool.txt", ThreeSubelementPool());
        // Five study days before today, getting better.
        AnswerStore store(folder.PathOf(kHistoryFile));
        const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
        for (int day = 5; day >= 1; --day) {
            for (int q = 0; q < 10; ++q) {
                const std::string code = "T" + std::to_string(1 + q % 3) + (q % 2 ? "A" : "B") +
                                         "0" + std::to_string(1 + q % 4);
                const bool right = q < 10 - day;
                store.Record(
                    "KTQTech", "2026",
                    {0, now - day * kMsPerDay, code, right ? "B" : "C", "B", AnswerMode::Trial});
            }
        }
    }
};

TEST_F(ProgressWindowTest, OpensFollowsTheAnswersAndSavesItsReport) {
    StartTrial();
    QTest::mouseClick(WidgetOf<QPushButton>(form->Button8), Qt::LeftButton);
    ProgressWindow* w = skin->Progress();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Progress - KTQTech 2026");
    EXPECT_EQ(w->SubelementTable()->rowCount(), 3);
    EXPECT_EQ(w->GroupTable()->rowCount(), 6);
    EXPECT_TRUE(w->ChanceLabel()->text().startsWith("Chance of passing: "));
    const QString answersBefore = w->SubelementTable()->item(0, 4)->text();

    form->RunGuarded([&] { form->ShowQuestion("T1A01"); });
    skin->Flush();
    auto* answerB = WidgetOf<QTextEdit>(form->RichEdit3);
    QTest::mouseClick(answerB->viewport(), Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_EQ(form->state.DoneCount, 1);
    EXPECT_NE(w->SubelementTable()->item(0, 4)->text(), answersBefore);

    w->RetentionBox()->setValue(0.8);
    EXPECT_EQ(form->state.TargetRetentionPercent, 80);
    EXPECT_TRUE(w->DueLabel()->text().startsWith("Due today: "));

    ExamDatePanel* exam = w->ExamPanel();
    QTest::keyClicks(exam->DateField(), "2099-01-01");
    QTest::keyClick(exam->DateField(), Qt::Key_Return);
    EXPECT_EQ(form->state.ExamDate, "2099-01-01");
    EXPECT_TRUE(exam->OutlookLabel()->text().startsWith("Chance of passing on the exam date"));
    EXPECT_TRUE(exam->PlanLabel()->text().startsWith("Today: "));

    QTest::mouseClick(w->SaveButton(), Qt::LeftButton);
    EXPECT_EQ(w->StatusLabel()->text(), "Saved as KTQTech 2026 ^ Progress.txt");
    EXPECT_TRUE(folder.Exists("KTQTech 2026 ^ Progress.txt"));
    Screenshot("progress-window.png", w);
}

// Guards against a window larger than the screen, whose buttons could not be
// reached, a due count beside a forecast that said otherwise, and charts
// that took the focus without showing it.
TEST_F(ProgressWindowTest, FitsTheScreenAgreesWithItsForecastAndShowsTheFocus) {
    StartTrial();
    QScreen* scaled = QGuiApplication::screens().back();  // a laptop's at 150 %
    skin->Window().setScreen(scaled);
    QTest::mouseClick(WidgetOf<QPushButton>(form->Button8), Qt::LeftButton);
    ProgressWindow* w = skin->Progress();
    const QSize free = w->screen()->availableGeometry().size();
    EXPECT_LE(w->frameGeometry().width(), free.width());
    EXPECT_LE(w->frameGeometry().height(), free.height());
    // Sized for the screen of the window it is opened from.
    EXPECT_TRUE(w->size().boundedTo(scaled->availableGeometry().size()) == w->size());
    const int today = form->DueForecastNow(14).front();
    EXPECT_TRUE(w->DueLabel()->text().startsWith(QString("Due today: %1 (").arg(today)));
    skin->Window().lower();
    w->raise();
    w->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == w);
    for (QWidget* chart : {w->DayChart(), w->ForecastChart()}) {
        const QImage plain = chart->grab().toImage();
        chart->setFocus(Qt::TabFocusReason);
        EXPECT_NE(chart->grab().toImage(), plain) << chart->accessibleName().toStdString();
    }
}

}  // namespace
}  // namespace ktq::guitest
