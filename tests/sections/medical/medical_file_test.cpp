// "Medical.YRN": a file written on a Windows machine, saving and reading back,
// and damaged files.
#include "sections/SectionFileTest.h"
#include "sections/medical/MedicalAnswers.h"
#include "sections/medical/MedicalSection.h"

namespace yrn::test {
namespace {

// A client field by field, as the 34 fields of the file list them.
QStringList windowsClient() {
    return {"3",    // 1 times hospitalized
            " 1 ",  // 2 6-12 months ago
            "1",    // 3 chronic problems: Yes
            "asthma, diabète",
            "0",
            "0",
            "1",
            "0",
            "-1",
            "0",
            "0",
            "1",    // 5-12 health problems
            "0",    // 13 fit: No
            "0",    // 14 medication: No
            "-1 ",  // 15
            "1",    // 16 pension: Yes
            "back injury",
            "1",  // 18 smokes
            "20",
            "1",  // 20 sleeps late
            "0",  // 21 not for work
            "8",  // 22 months insured
            "0",
            "1",
            "-1",
            "1",
            "0",
            "1",  // 23-28 kinds of insurance
            "county plan",
            " 2 ",  // 30 moderately
            "05",
            " 4 ",  // 32 extremely
            " 9 ",  // 33 9 - Extreme problem
            "Seen by Dr. Müller; doing well"};
}

class MedicalFile : public SectionFileTest<MedicalSection> {
  protected:
    MedicalSection& med = pane;
};

TEST_F(MedicalFile, WindowsFileLoadsExactlyAndSavesBackUnchanged) {
    const QStringList values = windowsClient();
    ASSERT_EQ(values.size(), 34);
    ASSERT_EQ(unansweredMedicalFile().size(), 34);
    EXPECT_TRUE(load(values).complete);
    EXPECT_TRUE(prompts.boxes.isEmpty() && prompts.focusRequests.isEmpty());
    EXPECT_TRUE(shows(med, {"txtHospitalized=3",
                            "cboLastHospitalized=6-12 months ago",
                            "optChrMedProb=1",
                            "txtMedicalProblems=asthma, diabète",
                            "optHealthProb(2)=1",
                            "optHealthProb(4)=-1",
                            "optHealthProb(7)=1",
                            "optFit=0",
                            "optPresMed=0",
                            "txtMedication= (off)",
                            "optPension=1",
                            "txtPension=back injury",
                            "txtCigarettes=20",
                            "optSleepLate=1",
                            "optBecauseWork=0",
                            "txtInsurance=8",
                            "optHealthInsurance(0)=0",
                            "optHealthInsurance(2)=-1",
                            "optHealthInsurance(5)=1",
                            "txtOtherHI=county plan",
                            "cboClientTroubled=moderately",
                            "txtExperienceProblems=05",
                            "cboImportant=extremely",
                            "cboInterviewerRating=9 - Extreme problem",
                            "txtMedicalComments=Seen by Dr. Müller; doing well"}));

    // Written back: 34 fields and 33 separators, byte for byte.
    ASSERT_TRUE(med.SaveYRN(path));
    EXPECT_EQ(readFile(path), windowsSectionFile(values));
}

TEST_F(MedicalFile, SavingAndReadingBackRestoresEveryAnswerAndEveryClosedBox) {
    answerMedical(med);
    ASSERT_TRUE(med.SaveYRN(path));
    Client<MedicalSection> other;
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_TRUE(sameState(med, other.pane));
    EXPECT_EQ(other.pane.text("txtMedicalComments"),
              "asthma is controlled.\r\nSees a doctor monthly.");

    // Every "No": the boxes they close stay closed.
    for (const char* id :
         {"optChrMedProb", "optPresMed", "optPension", "optSmokes", "optSleepLate"})
        med.choose(id, 0);
    med.choose(arr("optHealthInsurance", 5), 0);
    ASSERT_TRUE(med.SaveYRN(path));
    EXPECT_EQ(readFile(path).count("\r\n"), 34 + 33);
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_TRUE(sameState(med, other.pane));
    for (const char* id : {"txtMedicalProblems", "txtMedication", "txtPension", "txtCigarettes",
                           "optBecauseWork", "txtOtherHI"})
        EXPECT_FALSE(other.pane.usable(id)) << id;

    // A zero count and no month insured close questions 2 and 12.
    med.choose(arr("optHealthInsurance", 5), 1);
    type("txtHospitalized", "0");
    type("txtInsurance", "00");
    ASSERT_TRUE(med.SaveYRN(path));
    EXPECT_TRUE(other.load(path).complete);
    EXPECT_TRUE(sameState(med, other.pane));
    for (const char* id : {"cboLastHospitalized", "optHealthInsurance(0)", "optHealthInsurance(5)"})
        EXPECT_FALSE(other.pane.usable(id)) << id;
}

TEST_F(MedicalFile, DamagedFilesKeepWhatWasReadAndNeverCrash) {
    const QByteArray bytes = windowsSectionFile(windowsClient());
    writeFile(path, bytes.left(bytes.indexOf("back injury")));
    const LoadResult cut = load(path);
    EXPECT_TRUE(cut.found && !cut.complete);
    EXPECT_TRUE(shows(med, {"txtHospitalized=3", "optHealthProb(7)=1", "optPension=1",
                            "txtPension=", "optSmokes=-1"}));

    // A list position outside the list: the reader's error, the rest is read.
    QStringList values = windowsClient();
    values[1] = " 5 ";
    EXPECT_FALSE(load(values).complete);
    EXPECT_EQ(prompts.last().text, "Error in module MainModule.LoadCombo");
    EXPECT_TRUE(shows(med, {"cboLastHospitalized=", "txtOtherHI=county plan"}));

    EXPECT_FALSE(loadBytes(junkBytes(37, 5)).complete);
    EXPECT_TRUE(load(QStringList(34, "x9")).found);
    EXPECT_FALSE(load(dir.filePath("Missing.YRN")).found);
}

}  // namespace
}  // namespace yrn::test
