// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/AnswerBoxSupport.h"

#include <QAccessible>
#include <QShortcut>
#include <QWidget>

#include "ui/AnswerBoxes.h"

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
}

void AnnounceFeedback(TForm1& form, const Skin& skin, const Skin::AccessibilitySink& sink) {
    for (int n = 1; n <= 4; ++n) {
        QWidget* box = skin.WidgetOf(*form.AnswerBox(n));
        const AnswerFeedback feedback = FeedbackOf(form, n);
        const QString description = DescriptionOf(feedback);
        if (box == nullptr || box->accessibleDescription() == description)
            continue;
        box->setAccessibleDescription(description);  // tells of the change itself
        if (feedback == AnswerFeedback::ChosenWrong || feedback == AnswerFeedback::ChosenRight) {
            QAccessibleEvent announce(box, QAccessible::Alert);
            sink(&announce);
        }
    }
}

}  // namespace ktq
