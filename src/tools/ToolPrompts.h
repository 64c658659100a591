#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <utility>

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

// The boxes shown while a client is read, kept as lines "Title: text" for the
// command to report with the client; questions get Yes / OK. Boxes with the titles
// it is told to pass over (what the command says in its own words) are not kept.
class CollectingPrompts : public Prompts {
  public:
    explicit CollectingPrompts(QStringList passedOver = {}) : passedOver_(std::move(passedOver)) {}

    void information(const QString& title, const QString& text) override { keep(title, text); }
    void critical(const QString& title, const QString& text) override { keep(title, text); }
    bool yesNo(const QString& title, const QString& text) override {
        keep(title, text);
        return true;
    }
    bool okCancel(const QString& title, const QString& text) override {
        keep(title, text);
        return true;
    }
    void focus(const QString&, const QString&) override {}

    // The lines kept since the last call.
    QStringList take() { return std::exchange(lines_, {}); }

  private:
    void keep(const QString& title, const QString& text) {
        if (!passedOver_.contains(title)) lines_ << ToolPrompts::line(title, text);
    }
    QStringList passedOver_;
    QStringList lines_;
};

}  // namespace yrn
