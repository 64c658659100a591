#pragma once

#include "interview/Prompts.h"

namespace yrn {

// The prompts of the running program: modal message boxes with the exact title
// and text (a CR LF inside a text is a line break). Focus requests are the main
// window's business, so they are ignored here.
class WidgetPrompts : public Prompts {
  public:
    void information(const QString& title, const QString& text) override;
    void critical(const QString& title, const QString& text) override;
    void failure(Severity severity, const QString& title, const QString& text,
                 const QString& detail) override;
    bool yesNo(const QString& title, const QString& text) override;
    bool okCancel(const QString& title, const QString& text) override;
    SaveChoice saveChoice(const QString& title, const QString& text) override;
    int choice(const QString& title, const QString& text, const QStringList& buttons) override;
    void focus(const QString& module, const QString& fieldId) override;
    void busy(bool on) override;

    // The text as a message box shows it: CR LF and lone CR become line breaks.
    static QString shown(const QString& text);
};

}  // namespace yrn
