#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "interview/Field.h"
#include "interview/Layout.h"
#include "interview/ProgramError.h"
#include "interview/Review.h"

namespace yrn {

class Interview;
class Prompts;
class ReportWriter;

// What identifies a section pane to the rest of the program.
struct SectionInfo {
    QString module;       // "ctlLocatorInformation": names its "Program Error" texts
    QString controlName;  // "LocatorInformation": the main window's name for the pane
    QString fileName;     // "Location.YRN": the section file as it is written
    QString caption;      // main window caption while the pane is shown
    int viewMenuItem = 0;
    // The procedure named in the "Program Error" text of NewYRN.
    QString resetProcedure = QStringLiteral("NewClient");
};

// The result of reading a section file.
struct LoadResult {
    bool found = true;     // the file could be opened
    bool complete = true;  // every field was read in step
};

// The events that run a field's checks and rules.
enum class Event { Change, Click, Leave };

// The answer model of one section pane: its fields, labels and frames, the rules
// attached to their events, and its declared pages. Every change of a value runs
// the field's rules, whoever made it (the person, a rule, a reset, a file reader);
// the client-loading flag of the Interview keeps the rules that move the focus quiet.
class Section {
  public:
    Section(Interview& interview, SectionInfo info);
    virtual ~Section();
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;

    const SectionInfo& info() const { return info_; }
    Interview& interview() const { return interview_; }
    Prompts& prompts() const;
    bool IsLoading() const;

    // --- Declaration (used by a section's constructor) ---
    Field& addText(const QString& id, int maxLength = 0);
    Field& addMultiLine(const QString& id);
    Field& addOption(const QString& id, const QStringList& captions);
    Field& addList(const QString& id, const QStringList& items = {}, const QList<int>& codes = {});
    Field& addCheck(const QString& id, const QString& caption = {});
    void addLabel(const QString& id, const QString& text);
    void addFrame(const QString& id, const QStringList& fieldIds, bool enabled = true);
    // Answers the interview may leave empty (Field::optional).
    void markOptional(const QStringList& ids);
    // The page of an index, made when it is not there yet; pages keep the order in
    // which they were first added.
    PageBuilder addPage(int index);

    // Rules; the site names the "Program Error" text of the rule (module by default).
    using Rule = std::function<void()>;
    using ClickRule = std::function<void(int value)>;
    void onChange(const QString& id, Rule rule, const QString& site = {});
    void onClick(const QString& id, ClickRule rule, const QString& site = {});
    void onLeave(const QString& id, Rule rule, const QString& site = {});
    // The numeric answer check, run on the given event before the field's rules.
    void rangeCheck(const QString& id, qint32 minimum, qint32 maximum, bool pad = false,
                    Event event = Event::Leave);

    // Remembers the present state of every field, label and frame as the state of
    // a new client; call once at the end of the constructor.
    void captureStartState();
    // Returns every field, label and frame to that state, without running rules.
    void restoreStartState();

    // --- Reading ---
    bool has(const QString& id) const { return fields_.contains(id); }
    const Field& field(const QString& id) const;
    QString text(const QString& id) const { return field(id).text; }
    int choice(const QString& id) const { return field(id).choice; }
    bool chosen(const QString& id, int button) const { return field(id).choice == button; }
    int position(const QString& id) const { return field(id).position; }
    QString listText(const QString& id) const { return field(id).listText(); }
    CheckState checkState(const QString& id) const { return field(id).check; }
    QString label(const QString& id) const;
    bool frameEnabled(const QString& id) const;
    // Enabled and not inside a disabled frame.
    bool usable(const QString& id) const;
    // How many characters a text box is drawn for: its maximum length, or for a box
    // without one the digits of its widest range bound; 0 when neither bounds it.
    int shownLength(const QString& id) const;
    const QStringList& fieldOrder() const { return order_; }
    QStringList labelIds() const { return labels_.keys(); }
    QStringList frameIds() const { return frames_.keys(); }
    QStringList frameMembers(const QString& frame) const;

    // --- Changing values: each fires the field's event when the value changes ---
    void setText(const QString& id, const QString& text);
    void choose(const QString& id, int button);  // an option button is clicked
    void setPosition(const QString& id, int position);
    void setCheck(const QString& id, CheckState state);
    // Quiet changes: no event fires.
    void clearOption(const QString& id);
    // Replaces a list's items; the position becomes -1 without an event.
    void setItems(const QString& id, const QStringList& items, const QList<int>& codes = {});

    // --- Events of the person ---
    void leave(const QString& id);      // the focus leaves a box
    void textClick(const QString& id);  // a click into a text box

    // --- State ---
    void setEnabled(const QString& id, bool enabled);
    void setBackground(const QString& id, Background background);
    void setFrameEnabled(const QString& id, bool enabled);
    void setLabel(const QString& id, const QString& text);
    void setHeld(const QString& id, bool held);
    // Asks for the focus; refused for a field that cannot take it.
    void requestFocus(const QString& id);

    // Common follow-up shapes: "clear" disables, paints and empties; "open" enables
    // with the normal background (and shows a held answer again); "hold" disables
    // and paints, keeping the answer out of sight until the field opens again.
    void clearField(const QString& id);
    void openField(const QString& id);
    void holdField(const QString& id);
    void emptyField(const QString& id);

    // --- Observers (the pane view) ---
    using Observer = std::function<void(const QString& id)>;
    int observe(Observer observer);
    void unobserve(int handle);

    // --- Pages and navigation ---
    const QList<Page>& pages() const { return pages_; }
    const Page* page(int index) const;
    int firstPage() const;
    int lastPage() const;
    // The page Next / Back goes to from a page, or -1 to hand over to the next or
    // previous section. Sections with skips override these.
    virtual int nextPage(int page) const;
    virtual int backPage(int page) const;

    // --- The pane contract ---
    // Resets every answer for a new client (the start state, then the section's own steps).
    virtual void NewYRN();
    // Writes the section file; false when it could not be written.
    virtual bool SaveYRN(const QString& path);
    // Why the last SaveYRN failed, in the system's words; empty when it is not known.
    virtual QString lastSaveError() const { return {}; }
    // Reads a section file into the fields.
    virtual LoadResult LoadClientYRN(const QString& path);
    // The section file's content as SaveYRN writes it, and reading such content as
    // LoadClientYRN reads a file: the recovery copy of unsaved answers keeps and
    // restores every section this way. Empty for a section that keeps no file.
    virtual QByteArray fileBytes() const { return {}; }
    virtual LoadResult LoadClientBytes(const QByteArray&) { return {}; }
    // Fills this section's placeholders of the report.
    virtual void ClientReport(ReportWriter& report);
    // The completeness review's warnings about this section's answers: answers that
    // contradict each other, such as a part larger than its whole (reviewWarning
    // makes one). None by default.
    virtual QList<ReviewItem> reviewWarnings() const { return {}; }

    // Runs an operation of this section under its error handler ("Error in module "
    // + site); returns false when it failed.
    bool guard(const QString& site, const std::function<void()>& operation);

  protected:
    // The section's own reset steps, run after the start state is restored.
    virtual void resetAnswers() {}

  private:
    struct Check {
        qint32 minimum;
        qint32 maximum;
        bool pad;
        Event event;
    };
    struct StartState {
        QHash<QString, Field> fields;
        QHash<QString, QString> labels;
        QHash<QString, bool> frames;
    };

    Field& mutableField(const QString& id);
    Field& declare(Field field);
    void notify(const QString& id);
    void fire(const QString& id, Event event, int value);
    void runChecks(const QString& id, Event event);
    QString siteFor(const QString& site) const;

    Interview& interview_;
    SectionInfo info_;
    QHash<QString, Field> fields_;
    QStringList order_;
    QHash<QString, QString> labels_;
    QHash<QString, bool> frames_;
    QHash<QString, QStringList> frameMembers_;
    QList<Page> pages_;
    std::multimap<QString, std::pair<Rule, QString>> changeRules_;
    std::multimap<QString, std::pair<ClickRule, QString>> clickRules_;
    std::multimap<QString, std::pair<Rule, QString>> leaveRules_;
    std::multimap<QString, Check> checks_;
    StartState start_;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserver_ = 1;
};

// The numeric answer check of a box: an empty box passes; a text that is not a
// number, or whose rounded value lies outside [minimum, maximum], shows the
// "Input Error" box, empties the box and asks for the focus back. With pad, a valid
// one-character value below 10 gets a leading "0".
void CD(Section& section, const QString& fieldId, qint32 minimum, qint32 maximum, bool pad);

}  // namespace yrn
