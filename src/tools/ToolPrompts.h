#pragma once

#include <QString>
#include <cstdio>

#include "interview/Prompts.h"

namespace yrn {

// The message boxes of a headless run: each box becomes one line "Title: text" on
// stderr, its line breaks turned into blanks. Questions get the answer of the
// box's default button (Yes, OK), as pressing Enter would give.
class ToolPrompts : public Prompts {
  public:
    explicit ToolPrompts(std::FILE* out = stderr) : out_(out) {}

    void information(const QString& title, const QString& text) override { print(title, text); }
    void critical(const QString& title, const QString& text) override { print(title, text); }
    bool yesNo(const QString& title, const QString& text) override;
    bool okCancel(const QString& title, const QString& text) override;
    void focus(const QString&, const QString&) override {}

    // "Title: text" with each CR LF (or lone CR or LF) as one blank.
    static QString line(const QString& title, const QString& text);

  private:
    void print(const QString& title, const QString& text);
    std::FILE* out_;
};

}  // namespace yrn
