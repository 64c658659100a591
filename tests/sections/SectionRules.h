#pragma once

// Follow-up rules as table rows (what opens some questions, what closes them, and
// what the opening does to what they held), and scenarios: answers, each group
// followed by what the pane looks like.

#include "sections/ClientFixture.h"

namespace yrn::test {

struct FollowUp {
    QString module;
    QStringList yes;                                // answers that open the follow-ups
    QStringList no;                                 // answers that close and empty them
    QStringList kept = {};                          // opened again as they stand
    QStringList emptied = {};                       // opened empty
    Background closed = Background::NotApplicable;  // the colour they are closed with
};
inline void PrintTo(const FollowUp& row, std::ostream* out) {
    *out << qPrintable(row.yes.join(", "));
}
// The row of a yes/no question, after the answers that make it asked: button 1
// opens the follow-ups, button 0 closes them.
inline FollowUp yesNo(const QString& module, const QString& question, const QStringList& kept,
                      const QStringList& emptied = {}, QStringList before = {}) {
    return {module, before << question + "=1", {question + "=0"}, kept, emptied};
}
class FollowUpTest : public ::testing::TestWithParam<FollowUp> {};
// The test name of a row: its last opening answer and the closing value.
inline std::string followUpName(const ::testing::TestParamInfo<FollowUp>& info) {
    std::string name =
        (info.param.yes.last() + '_' + info.param.no.last().section('=', 1)).toStdString();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

// The field ids stem(0) to stem(count - 1).
inline QStringList rows(const QString& stem, int count) {
    QStringList ids;
    for (int i = 0; i < count; ++i)
        ids << arr(stem, i);
    return ids;
}

inline bool unanswered(const Field& f) {
    return f.text.isEmpty() && f.choice == -1 && f.position == -1 && f.check == CheckState::Clear;
}

// Gives a field an answer, typed and left or set as a file sets it: 7 (or the
// year 2007 for a box that refuses 7), the second button or item, a tick.
inline QString fill(Section& s, const QString& id, bool typed) {
    const bool text = s.field(id).kind == FieldKind::Text;
    for (const char* value : {"7", "2007"}) {
        answer(s, {id + (typed || !text ? "=" : ":=") + (text ? value : "1")});
        if (!unanswered(s.field(id))) break;
    }
    return id + '=' + shown(s.field(id));
}

// What a person sees: "id=value", then " (off)" for a field that cannot be
// answered and " [n/a]" for one painted as not applying.
inline ::testing::AssertionResult looks(const Section& s, const QStringList& expected) {
    QStringList wrong;
    for (const QString& e : expected) {
        const QString id = e.section('=', 0, 0);
        const Field& f = s.field(id);
        const QString got = id + '=' + shown(f) + (s.usable(id) ? "" : " (off)") +
                            (f.background == Background::NotApplicable ? " [n/a]" : "");
        if (got != e) wrong << got + " instead of " + e;
    }
    if (wrong.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << qPrintable(wrong.join('\n'));
}

// A scenario: answers as answer() takes them ("reload" checks that reading the
// saved answers gives the same pane, "reset" starts a new client), each group
// followed by what the pane looks like.
using Script = QList<std::pair<QStringList, QStringList>>;
template <class S>
void play(Client<S>& c, const Script& script) {
    for (const auto& [answers, expected] : script) {
        for (const QString& step : answers) {
            if (step == "reload")
                c.expectSameAfterReload();
            else if (step == "reset")
                c.reset();
            else
                answer(c.pane, {step});
        }
        EXPECT_TRUE(looks(c.pane, expected)) << qPrintable(answers.join(", "));
    }
}

}  // namespace yrn::test
