#pragma once

#include <QList>
#include <QString>

#include "interview/Prompts.h"

namespace yrn {

// A Prompts that keeps every box shown and every focus request, and answers the
// questions from a script (Yes / OK when the script runs out).
class RecordingPrompts : public Prompts {
  public:
    enum class Kind { Information, Critical, YesNo, OkCancel, SaveChoice, Choice };
    struct Box {
        Kind kind;
        QString title, text;
        QString detail;  // the system's reason of a failure
    };
    struct FocusRequest {
        QString module, fieldId;
    };

    void information(const QString& title, const QString& text) override {
        boxes.append({Kind::Information, title, text, {}});
    }
    void critical(const QString& title, const QString& text) override {
        boxes.append({Kind::Critical, title, text, {}});
    }
    void failure(Severity severity, const QString& title, const QString& text,
                 const QString& detail) override {
        boxes.append({severity == Severity::Critical ? Kind::Critical : Kind::Information, title,
                      text, detail});
    }
    bool yesNo(const QString& title, const QString& text) override {
        boxes.append({Kind::YesNo, title, text, {}});
        return answers_.isEmpty() || answers_.takeFirst();
    }
    bool okCancel(const QString& title, const QString& text) override {
        boxes.append({Kind::OkCancel, title, text, {}});
        return answers_.isEmpty() || answers_.takeFirst();
    }
    SaveChoice saveChoice(const QString& title, const QString& text) override {
        boxes.append({Kind::SaveChoice, title, text, {}});
        return choices_.isEmpty() ? SaveChoice::Save : choices_.takeFirst();
    }
    int choice(const QString& title, const QString& text, const QStringList& buttons) override {
        boxes.append({Kind::Choice, title, text, {}});
        offered = buttons;
        return pressed_.isEmpty() ? 0 : pressed_.takeFirst();
    }
    void focus(const QString& module, const QString& fieldId) override {
        focusRequests.append({module, fieldId});
    }

    // The answers to the next questions, in order.
    void answer(QList<bool> answers) { answers_ += answers; }
    // The answers to the next save questions (Save when the script runs out, the
    // box's default button).
    void answerSave(QList<SaveChoice> choices) { choices_ += choices; }
    // The buttons pressed in the next questions with buttons of their own (the
    // first button when the script runs out); the buttons offered are kept.
    void answerChoice(QList<int> pressed) { pressed_ += pressed; }
    QStringList offered;

    QList<Box> boxes;
    QList<FocusRequest> focusRequests;

    QStringList titles() const {
        QStringList out;
        for (const Box& box : boxes)
            out << box.title;
        return out;
    }
    // The last box shown; empty when none was.
    Box last() const { return boxes.value(boxes.size() - 1, {Kind::Information, {}, {}, {}}); }
    void clear() {
        boxes.clear();
        focusRequests.clear();
    }

  private:
    QList<bool> answers_;
    QList<SaveChoice> choices_;
    QList<int> pressed_;
};

}  // namespace yrn
