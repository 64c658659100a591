// A whole interview as a person goes through it: a new client, every page of
// every section answered and left with Next, "&Save / View Report" on the
// closing page, then the client folder, the report and the client opened again.
// The answers are chosen from each page's declaration.
#include "app/AppFixture.h"
#include "interview/Review.h"
#include "report/RtfDocument.h"
#include "support/ReportMarkers.h"

namespace yrn::test {
namespace {

class WholeInterview : public AppTest {
  protected:
    int answered = 0;
    QStringList unanswered;  // pages placing fields of which none could be answered

    // Types a text a box accepts: a word for the box, else a count or an age, else a year.
    void typeSomething(Section& s, const QString& id) {
        const Field& f = s.field(id);
        QString word = id.mid(3).remove('(').remove(')');
        if (f.maxLength > 0) word = word.left(f.maxLength);
        for (const QString& typed :
             {word, QString("1"), QString("15"), QString("1970"), QString("2001"), QString("0")}) {
            if (!s.usable(id)) return;
            const qsizetype before = prompts.boxes.size();
            s.setText(id, typed);
            s.leave(id);
            if (prompts.boxes.size() == before && !s.text(id).isEmpty()) return;
        }
    }
    // Answers every open question of a page: the last button of a pair ("Yes"), the
    // second item of a list, a ticked box, a text the box accepts.
    void answerPage(Section& s, int index) {
        const QStringList fields = s.page(index)->fields();
        const int before = answered;
        for (const QString& id : fields) {
            if (!s.has(id) || !s.usable(id)) continue;
            const Field& f = s.field(id);
            // A one-button group is a command (a drug row's "Comments"), no answer.
            if (f.kind == FieldKind::Option && f.captions.size() < 2) continue;
            ++answered;
            const int buttons = static_cast<int>(f.captions.size());
            if (f.kind == FieldKind::Option)  // groups of more buttons get each in turn
                s.choose(id, buttons > 2 ? answered % buttons : buttons - 1);
            else if (f.kind == FieldKind::List && !f.items.isEmpty())
                s.setPosition(id, f.items.size() > 1 ? 1 : 0);
            else if (f.kind == FieldKind::Check)
                s.setCheck(id, CheckState::Ticked);
            else if (f.kind == FieldKind::Text && f.multiLine)
                s.setText(id, "Notes on " + id.mid(3) + "\r\nsecond line");
            else if (f.kind == FieldKind::Text)
                typeSomething(s, id);
        }
        if (!fields.isEmpty() && answered == before)
            unanswered << s.info().controlName + ':' + QString::number(index);
        // The client's name and the assessment date name the client folder.
        if (&s == &locator() && index == s.firstPage()) typeClient();
    }
};

TEST_F(WholeInterview, FromTheFirstPageToTheReportAndBack) {
    ASSERT_TRUE(folder.hasTemplate);
    window->clientDialog().newButton()->click();
    QStringList visited;
    for (int step = 0; step < 100 && where() != "MentalHealth:5"; ++step) {
        ASSERT_FALSE(visited.contains(where())) << "again at " << where().toStdString();
        visited << where();
        answerPage(current()->section(), currentPage());
        QPushButton* next = current()->button(current()->section().page(currentPage())->nextButton);
        ASSERT_TRUE(next && next->isVisible()) << where().toStdString();
        next->click();
    }
    ASSERT_EQ(where(), "MentalHealth:5");
    answerPage(current()->section(), 5);
    visited << where();
    // Pages Next does not show (the employment pane's page 0, the drug comments).
    for (Section* s : window->interview().sections())
        for (const Page& page : s->pages())
            if (!visited.contains(s->info().controlName + ':' + QString::number(page.index)))
                answerPage(*s, page.index);
    EXPECT_EQ(unanswered, QStringList{});
    EXPECT_EQ(reviewAnswers(window->interview()).reportQuestion(), "");
    EXPECT_FALSE(prompts.titles().contains("Program Error")) << lastBox(prompts).toStdString();

    prompts.clear();
    current()->button("cmdSave")->click();
    EXPECT_EQ(prompts.titles(), QStringList{"Report Information"})
        << lastBox(prompts).toStdString();
    EXPECT_EQ(opener.opened, QStringList{reportPath()});
    // One file per section and the report; the report also in "ClientReports".
    QStringList files{"DoeJaneQ05-07-2001.RTF"};
    for (Section* s : window->interview().sections())
        files << s->info().fileName;
    files.sort(Qt::CaseInsensitive);
    EXPECT_EQ(QDir(clientFolder()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase), files);
    EXPECT_EQ(readFile(program + "/ClientReports/DoeJaneQ05-07-2001.RTF"), readFile(reportPath()));
    RtfDocument saved;
    ASSERT_TRUE(saved.load(reportPath()));
    const QString text = saved.visibleText();
    EXPECT_TRUE(text.contains("Jane Q. Doe"));
    EXPECT_TRUE(reportMatchesTemplate(window->interview().sections(), text));
    EXPECT_EQ(markersIn(text), QStringList{});

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
    const QList<Section*> sections = window->interview().sections();
    for (qsizetype i = 0; i < sections.size(); ++i)
        EXPECT_TRUE(sameLines(before.at(i), stateOf(*sections.at(i))))
            << sections.at(i)->info().module.toStdString();
    EXPECT_EQ(exits, 0);
}

}  // namespace
}  // namespace yrn::test
