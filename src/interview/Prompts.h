#pragma once

#include <QString>
#include <QStringList>

namespace yrn {

// How rules, checks and operations talk to the person at the keyboard. The window
// shows real message boxes; tests use RecordingPrompts. Titles and texts are passed
// exactly as the person sees them (line breaks as CR LF).
class Prompts {
  public:
    virtual ~Prompts() = default;

    virtual void information(const QString& title, const QString& text) = 0;
    virtual void critical(const QString& title, const QString& text) = 0;
    // True when the person answers Yes.
    virtual bool yesNo(const QString& title, const QString& text) = 0;
    // True when the person presses OK.
    virtual bool okCancel(const QString& title, const QString& text) = 0;

    // Whether answers not yet saved are saved before they are replaced: Save,
    // Don't Save or Cancel (Escape). Where no person can answer, nothing is
    // thrown away.
    enum class SaveChoice { Save, DontSave, Cancel };
    virtual SaveChoice saveChoice(const QString& /*title*/, const QString& /*text*/) {
        return SaveChoice::Cancel;
    }

    // A question with buttons of its own, the last of them Cancel (also Escape and
    // the close control): the index of the button pressed. Where no person can
    // answer, Cancel.
    virtual int choice(const QString& /*title*/, const QString& /*text*/,
                       const QStringList& buttons) {
        return int(buttons.size()) - 1;
    }

    // A failure the system explains: the program's own text, and the system's
    // reason (strerror, the database's message) as the box's detail. Where no box
    // shows details, the detail follows the text on a line of its own.
    enum class Severity { Information, Critical };
    virtual void failure(Severity severity, const QString& title, const QString& text,
                         const QString& detail) {
        const QString whole = detail.isEmpty() ? text : text + QStringLiteral("\r\n") + detail;
        if (severity == Severity::Critical)
            critical(title, whole);
        else
            information(title, whole);
    }

    // Asks for the keyboard focus to go to a field of a section. The model only
    // asks for enabled fields; the window also skips fields it cannot show.
    virtual void focus(const QString& module, const QString& fieldId) = 0;

    // The hourglass while a client folder is read.
    virtual void busy(bool /*on*/) {}
};

}  // namespace yrn
