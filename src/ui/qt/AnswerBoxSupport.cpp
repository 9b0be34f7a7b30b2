// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/AnswerBoxSupport.h"

#include <QShortcut>
#include <QWidget>

#include "ui/AnswerBoxes.h"
#include "ui/qt/RichEditWidget.h"

namespace ktq {
namespace {

QString DescriptionOf(AnswerFeedback f) {
    switch (f) {
        case AnswerFeedback::ChosenWrong:
            return "your answer, wrong";
        case AnswerFeedback::ChosenRight:
            return "correct";
        case AnswerFeedback::CorrectAnswer:
            return "correct answer";
        case AnswerFeedback::None:
            break;
    }
    return QString();
}

AnswerMark MarkOf(AnswerFeedback f) {
    switch (f) {
        case AnswerFeedback::ChosenWrong:
            return AnswerMark::Wrong;
        case AnswerFeedback::ChosenRight:
        case AnswerFeedback::CorrectAnswer:
            return AnswerMark::Right;
        case AnswerFeedback::None:
            break;
    }
    return AnswerMark::None;
}

}  // namespace

void InstallAnswerKeys(QWidget& window, TForm1& form, SkinContext& skin) {
    struct Key {
        QKeyCombination key;
        char name;
    };
    const Key keys[] = {
        {QKeyCombination(Qt::Key_1), '1'},     {QKeyCombination(Qt::Key_2), '2'},
        {QKeyCombination(Qt::Key_3), '3'},     {QKeyCombination(Qt::Key_4), '4'},
        {Qt::KeypadModifier | Qt::Key_1, '1'}, {Qt::KeypadModifier | Qt::Key_2, '2'},
        {Qt::KeypadModifier | Qt::Key_3, '3'}, {Qt::KeypadModifier | Qt::Key_4, '4'},
        {QKeyCombination(Qt::Key_A), 'A'},     {QKeyCombination(Qt::Key_B), 'B'},
        {QKeyCombination(Qt::Key_C), 'C'},     {QKeyCombination(Qt::Key_D), 'D'},
    };
    for (const Key& k : keys) {
        auto* shortcut = new QShortcut(QKeySequence(k.key), &window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        QObject::connect(shortcut, &QShortcut::activated, &window, [&form, &skin, name = k.name] {
            if (RichEdit* box = AnswerBoxForKey(form, name))
                skin.UserInput([box] { box->UserMouseDown(MouseButton::Left); });
        });
    }
    // "Don't know" answers from the keyboard as its button does.
    for (QKeyCombination key :
         {QKeyCombination(Qt::Key_0), Qt::KeypadModifier | Qt::Key_0,
          QKeyCombination(Qt::Key_Question), Qt::ShiftModifier | Qt::Key_Question}) {
        auto* shortcut = new QShortcut(QKeySequence(key), &window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        QObject::connect(shortcut, &QShortcut::activated, &window,
                         [&form, &skin] { skin.UserInput([&form] { form.Button9.UserClick(); }); });
    }
}

void ShowFeedbackBeyondColour(TForm1& form, const Skin& skin) {
    for (int n = 1; n <= 4; ++n) {
        QWidget* box = skin.WidgetOf(*form.AnswerBox(n));
        if (box == nullptr)
            continue;
        const AnswerFeedback feedback = FeedbackOf(form, n);
        if (auto* marked = dynamic_cast<RichEditWidget*>(box))
            marked->SetMark(MarkOf(feedback));
        // Read when the reader comes to the box; the result itself is spoken
        // from the model's announcement.
        const QString description = DescriptionOf(feedback);
        if (box->accessibleDescription() != description)
            box->setAccessibleDescription(description);
    }
}

}  // namespace ktq
