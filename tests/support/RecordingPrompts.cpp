#include "support/RecordingPrompts.h"

namespace yrn {

bool RecordingPrompts::yesNo(const QString& title, const QString& text) {
    boxes.append({Kind::YesNo, title, text, {}});
    return answers_.isEmpty() || answers_.takeFirst();
}

bool RecordingPrompts::okCancel(const QString& title, const QString& text) {
    boxes.append({Kind::OkCancel, title, text, {}});
    return answers_.isEmpty() || answers_.takeFirst();
}

Prompts::SaveChoice RecordingPrompts::saveChoice(const QString& title, const QString& text) {
    boxes.append({Kind::SaveChoice, title, text, {}});
    return choices_.isEmpty() ? SaveChoice::Save : choices_.takeFirst();
}

int RecordingPrompts::choice(const QString& title, const QString& text,
                             const QStringList& buttons) {
    boxes.append({Kind::Choice, title, text, {}});
    offered = buttons;
    return pressed_.isEmpty() ? 0 : pressed_.takeFirst();
}

}  // namespace yrn
