// A whole interview as a person goes through it: a new client, every page of
// every section answered and left with Next, "&Save / View Report" on the
// closing page, then the client folder, the report and the client opened again.
//
// The answers are chosen from each page's declaration, so that every section the
// interview holds is answered, however many are built.
#include <QPushButton>

#include "AppFixture.h"
#include "app/ClientDialog.h"
#include "interview/Review.h"
#include "report/RtfDocument.h"
#include "sections/DeclaredSection.h"
#include "support/ReportMarkers.h"

namespace yrn::test {
namespace {

// The fields a page places: its questions' answers and its tables' cells.
QStringList pageFields(const Page& page) {
    QStringList ids;
    for (const Block& block : page.blocks) {
        for (const Answer& answer : block.answers)
            ids << answer.field;
        for (const TableRow& row : block.rows)
            for (const QString& cell : row.cells)
                if (!cell.isEmpty()) ids << cell;
    }
    return ids;
}

class WholeInterview : public AppTest {
  protected:
    int answered_ = 0;
    QStringList unanswered_;  // pages placing fields of which none could be answered

    int inputErrors() const {
        return static_cast<int>(
            std::count_if(prompts.boxes.cbegin(), prompts.boxes.cend(),
                          [](const auto& b) { return b.title == "Input Error"; }));
    }

    // Types a text a box accepts: a word for the box, else a count or an age, else a year.
    void typeSomething(Section& s, const QString& id) {
        const Field& f = s.field(id);
        QString word = id.mid(3).remove('(').remove(')');
        if (f.maxLength > 0) word = word.left(f.maxLength);
        for (const QString& typed :
             {word, QString("1"), QString("15"), QString("1970"), QString("2001"), QString("0")}) {
            if (!s.usable(id)) return;
            const int before = inputErrors();
            s.setText(id, typed);
            s.leave(id);
            if (inputErrors() == before && !s.text(id).isEmpty()) return;
        }
    }

    // Answers every open question of a page: the last button of a pair ("Yes"), the
    // second item of a list, a ticked box, a text the box accepts.
    void answerPage(Section& s, int index) {
        const QStringList fields = pageFields(*s.page(index));
        const int before = answered_;
        for (const QString& id : fields) {
            if (!s.has(id) || !s.usable(id)) continue;
            const Field& f = s.field(id);
            // A one-button group is a command (a drug row's "Comments"), no answer.
            if (f.kind == FieldKind::Option && f.captions.size() < 2) continue;
            ++answered_;
            switch (f.kind) {
                case FieldKind::Option: {
                    // Groups of more buttons get each of them in turn.
                    const int buttons = static_cast<int>(f.captions.size());
                    s.choose(id, buttons > 2 ? answered_ % buttons : buttons - 1);
                    break;
                }
                case FieldKind::List:
                    if (!f.items.isEmpty())
                        s.setPosition(id,
                                      static_cast<int>(std::min<qsizetype>(1, f.items.size() - 1)));
                    break;
                case FieldKind::Check:
                    s.setCheck(id, CheckState::Ticked);
                    break;
                case FieldKind::Text:
                    if (f.multiLine)
                        s.setText(id, "Notes on " + id.mid(3) + "\r\nsecond line");
                    else
                        typeSomething(s, id);
                    break;
            }
        }
        if (!fields.isEmpty() && answered_ == before)
            unanswered_ << s.info().controlName + ':' + QString::number(index);
        // The client's name and the assessment date name the client folder.
        if (&s == &locator() && index == s.firstPage()) nameClient(locator());
    }
};

TEST_F(WholeInterview, FromTheFirstPageToTheReportAndBack) {
    ASSERT_TRUE(hasTemplate);
    window->clientDialog().newButton()->click();
    window->fileAction("mnuNewClient")->trigger();
    ASSERT_EQ(where(), "LocatorInformation:0");

    // Every page on the way is answered, then left with its Next button.
    QStringList visited;
    for (int step = 0; step < 100 && where() != "MentalHealth:5"; ++step) {
        ASSERT_NE(current(), nullptr);
        Section& s = current()->section();
        const int index = currentPage();
        ASSERT_FALSE(visited.contains(where())) << "again at " << where().toStdString();
        visited << where();
        answerPage(s, index);
        QPushButton* next = current()->button(s.page(index)->nextButton);
        ASSERT_TRUE(next && next->isVisible()) << where().toStdString();
        next->click();
    }
    ASSERT_EQ(where(), "MentalHealth:5");
    EXPECT_EQ(window->caption(), "Halverin Drug Court YRN -- Interviewer Ratings  [Doe, Jane Q]");
    answerPage(current()->section(), 5);
    visited << where();
    // Pages Next does not show (the employment pane's page 0, the drug comments).
    for (Section* s : window->interview().sections())
        for (const Page& page : s->pages())
            if (!visited.contains(s->info().controlName + ':' + QString::number(page.index)))
                answerPage(*s, page.index);
    EXPECT_EQ(unanswered_, QStringList{});
    // Nothing is left for the review to ask about.
    EXPECT_EQ(reviewAnswers(window->interview()).reportQuestion(), "");
    for (const auto& box : prompts.boxes)
        EXPECT_NE(box.title, "Program Error") << box.text.toStdString();

    prompts.clear();
    current()->button("cmdSave")->click();
    EXPECT_EQ(prompts.titles(), QStringList{"Report Information"})
        << lastBox(prompts).toStdString();
    const QString report = window->report().clientReportPath();
    EXPECT_EQ(opener.opened, QStringList{report});
    EXPECT_EQ(where(), "MentalHealth:5");

    // One section file per section (eight once every section keeps a file).
    QStringList expectedFiles{"DoeJaneQ05-07-2001.RTF"};
    bool allBuilt = true;
    for (Section* s : window->interview().sections()) {
        if (!static_cast<DeclaredSection*>(s)->fileLayout().isEmpty())
            expectedFiles << s->info().fileName;
        else
            allBuilt = false;
    }
    expectedFiles.sort(Qt::CaseInsensitive);
    EXPECT_EQ(QDir(clientFolder()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase),
              expectedFiles);
    if (allBuilt) {
        EXPECT_EQ(expectedFiles.size(), 1 + 8);
    }

    // The report in the client folder and in "ClientReports".
    EXPECT_EQ(readFile(program + "/ClientReports/DoeJaneQ05-07-2001.RTF"), readFile(report));
    RtfDocument saved;
    ASSERT_TRUE(saved.load(report));
    const QString text = saved.visibleText();
    EXPECT_TRUE(text.contains("Jane Q. Doe"));

    // No marker is left but those of sections that fill nothing yet: none once
    // every section is built.
    EXPECT_TRUE(reportMatchesTemplate(window->interview().sections(), text));
    if (allBuilt) {
        EXPECT_EQ(markersIn(text), QStringList{});
    }

    // A new client, then the saved one opened again: every answer is back.
    QList<QStringList> before;
    for (Section* s : window->interview().sections())
        before << stateOf(*s);
    window->fileAction("mnuNewClient")->trigger();
    EXPECT_EQ(locator().text("txtLastName"), "");
    prompts.clear();
    window->fileAction("mnuOpenClient")->trigger();
    window->clientDialog().setCurrentFolder(clientFolder());
    window->clientDialog().loadButton()->click();
    EXPECT_TRUE(prompts.boxes.isEmpty()) << lastBox(prompts).toStdString();
    EXPECT_EQ(where(), "LocatorInformation:0");
    const QList<Section*> sections = window->interview().sections();
    for (qsizetype i = 0; i < sections.size(); ++i)
        EXPECT_TRUE(sameLines(before.at(i), stateOf(*sections.at(i))))
            << sections.at(i)->info().module.toStdString();
    EXPECT_EQ(exits, 0);
}

}  // namespace
}  // namespace yrn::test
