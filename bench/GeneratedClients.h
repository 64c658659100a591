#pragma once

// A program folder of generated client folders as the program saves them: the
// section files written by the sections' own writers from answers that vary
// from client to client, and a report file beside them.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "interview/Interview.h"
#include "records/SectionFile.h"
#include "sections/DeclaredSection.h"
#include "sections/Sections.h"
#include "support/RecordingPrompts.h"

namespace yrn::bench {

struct GeneratedClients {
    explicit GeneratedClients(int count) {
        static const QStringList last{
            "Smith",    "Johnson",        "Williams", "Brown",      "Jones",
            "Garcia",   "Miller",         "Davis",    "Mu\u00f1oz", "Rodriguez",
            "Martinez", "Hern\u00e1ndez", "Lopez",    "Wilson",     "Anderson",
            "Thomas",   "Taylor",         "Moore",    "Jackson",    "Martin",
            "Lee",      "P\u00e9rez",     "Thompson", "White",      "Harris"};
        static const QStringList first{"James",     "Mary",    "Robert", "Patricia", "John",
                                       "Jennifer",  "Michael", "Linda",  "David",    "Elizabeth",
                                       "Jos\u00e9", "Ana",     "Luis",   "Zo\u00eb", "Kevin",
                                       "Sarah",     "Brian"};
        QDir().mkpath(path);
        RecordingPrompts prompts;
        auto interview = makeInterview(prompts);
        Section& locator = *interview->section("ctlLocatorInformation");
        Section& demographic = *interview->section("ctlDemographic");
        const QByteArray report(6000, 'r');
        for (int i = 0; i < count; ++i) {
            interview->BeginLoading();
            for (Section* section : interview->sections())
                section->NewYRN();
            const QStringList date{QString("%1").arg(1 + i % 12, 2, 10, QChar('0')),
                                   QString("%1").arg(1 + (i / 12) % 28, 2, 10, QChar('0')),
                                   QString::number(2000 + i / 336)};
            locator.setText("txtAssessmentDate1", date.at(0));
            locator.setText("txtAssessmentDate2", date.at(1));
            locator.setText("txtAssessmentDate3", date.at(2));
            locator.setText("txtLastName", last.at(i % last.size()));
            locator.setText("txtFirstName", first.at((i / 7) % first.size()));
            locator.setText("txtMI", QString(QChar('A' + i % 26)));
            locator.setText("txtStreetAddress",
                            QString("%1 Main St, Apt \"%2\"").arg(i).arg(i % 9));
            locator.setText("txtCity", "Akron");
            locator.setText("txtInterviewer", "R. Hale");
            locator.setPosition("cboSite", i % 20);
            locator.choose("optWorking", i % 2);
            locator.setText("txtLocationInformation", "calls after 5\nnot on Sundays");
            demographic.setText("txtBDateMonth", QString::number(1 + i % 12));
            demographic.setText("txtBDateDay", QString::number(1 + i % 28));
            demographic.setText("txtBDateYear", QString::number(1960 + i % 40));
            demographic.choose("optSex", i % 2);
            demographic.setPosition("cboRace", i % 9);
            demographic.setPosition("cboLanguage", i % 8);
            demographic.setText("txtChildren", QString::number(i % 3));
            demographic.choose("optEthnicity", i % 2);
            interview->EndLoading();

            const QString name = interview->identity().YRNDirectory();
            const QString folder = QDir(path).filePath(name);
            QDir().mkpath(folder);
            for (const Section* section : interview->sections()) {
                const auto* declared = dynamic_cast<const DeclaredSection*>(section);
                if (!declared || declared->fileLayout().isEmpty()) continue;
                write(QDir(folder).filePath(section->info().fileName),
                      sectionFileBytes(*section, declared->fileLayout()));
            }
            write(QDir(folder).filePath(name + ".RTF"), report);
            names << name;
        }
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }

    QTemporaryDir root;
    QString path = root.filePath("program");
    QStringList names;
};

// The clients the export and the search are measured on, generated once (call it
// before the clock runs).
inline constexpr int kClients = 5000;
inline const GeneratedClients& clients() {
    static const GeneratedClients generated(kClients);
    return generated;
}

}  // namespace yrn::bench
