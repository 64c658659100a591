#include "support/RecordingPrompts.h"

namespace yrn {

void RecordingPrompts::information(const QString& title, const QString& text) {
    boxes.append({Kind::Information, title, text});
}

void RecordingPrompts::critical(const QString& title, const QString& text) {
    boxes.append({Kind::Critical, title, text});
}

bool RecordingPrompts::yesNo(const QString& title, const QString& text) {
    boxes.append({Kind::YesNo, title, text});
    return nextAnswer();
}

bool RecordingPrompts::okCancel(const QString& title, const QString& text) {
    boxes.append({Kind::OkCancel, title, text});
    return nextAnswer();
}

Prompts::SaveChoice RecordingPrompts::saveChoice(const QString& title, const QString& text) {
    boxes.append({Kind::SaveChoice, title, text});
    return choices_.isEmpty() ? SaveChoice::Save : choices_.takeFirst();
}

void RecordingPrompts::focus(const QString& module, const QString& fieldId) {
    focusRequests.append({module, fieldId});
}

QStringList RecordingPrompts::titles() const {
    QStringList out;
    for (const Box& box : boxes)
        out << box.title;
    return out;
}

RecordingPrompts::Box RecordingPrompts::last() const {
    return boxes.isEmpty() ? Box{Kind::Information, {}, {}} : boxes.last();
}

void RecordingPrompts::clear() {
    boxes.clear();
    focusRequests.clear();
}

bool RecordingPrompts::nextAnswer() {
    return answers_.isEmpty() ? true : answers_.takeFirst();
}

}  // namespace yrn
