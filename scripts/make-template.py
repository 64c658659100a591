#!/usr/bin/env python3
"""Writes resources/YRN_TEMPLATE.RTF, the client report template.

The template is plain RTF 1.x in ASCII. Prose stands in a proportional font;
charts and aligned lists (child chart, drug chart, family table, money and
debt lines, controlled environments) stand in a fixed-width font so that the
blank-padded columns the report code writes line up.

Every placeholder "#Field#" sits inside one run (no formatting change inside a
marker), so the report finds it and the value takes the marker's format. The
report fills each marker once; the name and pronoun fields are filled before
any section, so each of their markers is filled with the same value and the
counts below are exactly the numbers of calls the report makes.

Usage:
    scripts/make-template.py                 # rewrite resources/YRN_TEMPLATE.RTF
    scripts/make-template.py --check         # only verify the committed file is current
    scripts/make-template.py --sample OUT    # also write a filled sample report to OUT
"""

import argparse
import collections
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
TEMPLATE = ROOT / "resources" / "YRN_TEMPLATE.RTF"

# How often this template holds the fields that occur more than once (the report
# fills the name and pronoun fields as often as the template holds them); every
# other field is filled exactly once.
REPEATED = {
    "WholeName": 1,
    "FirstName": 65,
    "himherself": 1,
    "hisher": 14,
    "himher": 1,
    "heshe": 11,
    "HisHerC": 2,
    "HeSheC": 6,
}
DISTINCT_FIELDS = 186
MARKER_TOTAL = 279

MARKER = re.compile(r"#([A-Za-z0-9$]+)#")

# ---------------------------------------------------------------------------
# Inline markup of the content below:
#   **text**   bold
#   ~~text~~   fixed-width (chart) font
#   ^^text^^   fixed-width font, a size smaller (the wide child chart)
#   \t         tab
# A straight apostrophe in prose becomes a typographic one; in the
# fixed-width font it stays straight.
# ---------------------------------------------------------------------------

BODY_FS = 22  # half-points: 11 pt
MONO_FS = 18  # 9 pt: 72 columns fit the text width
SMALL_MONO_FS = 16  # 8 pt: the child chart rows reach 87 columns

LABEL_TAB = 3240  # twips from the left margin: values of label lines


def esc(text, mono):
    if not mono and "--" in text:
        return "\\endash ".join(esc(part, mono) for part in text.split("--"))
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ch == "\t":
            out.append("\\tab ")
        elif ch == "'" and not mono:
            out.append("\\rquote ")
        elif ord(ch) > 126 or ord(ch) < 32:
            raise ValueError("only printable ASCII in the template: %r" % ch)
        else:
            out.append(ch)
    return "".join(out)


def runs(text):
    """Splits inline markup into (text, bold, font) runs."""
    tokens = re.split(r"(\*\*|~~|\^\^)", text)
    bold = False
    font = "prop"
    result = []
    for tok in tokens:
        if tok == "**":
            bold = not bold
        elif tok == "~~":
            font = "prop" if font == "mono" else "mono"
        elif tok == "^^":
            font = "prop" if font == "small" else "small"
        elif tok:
            result.append((tok, bold, font))
    if bold or font != "prop":
        raise ValueError("unbalanced markup in: " + text)
    return result


def run_rtf(text, bold, font, base_fs, base_font):
    if text.count("#") % 2:
        raise ValueError("a placeholder is split by a format change: " + text)
    if font == "mono":
        head = "\\f1\\fs%d" % MONO_FS
    elif font == "small":
        head = "\\f1\\fs%d" % SMALL_MONO_FS
    else:
        head = "\\f%d\\fs%d" % (base_font, base_fs)
    if bold:
        head += "\\b"
    return "{%s %s}" % (head, esc(text, font != "prop"))


class Doc:
    def __init__(self):
        self.parts = []

    def para(self, text, *, sa=120, sb=0, li=0, fi=0, align="l", keepn=False, keep=False,
             tabs=(), fs=BODY_FS, font=0, border_bottom=False, italic=False, caps=False,
             expnd=0, bold=False, color=0):
        fmt = ["\\pard\\plain", "\\q" + align, "\\sa%d\\sb%d" % (sa, sb)]
        if li:
            fmt.append("\\li%d" % li)
        if fi:
            fmt.append("\\fi%d" % fi)
        if keepn:
            fmt.append("\\keepn")
        if keep:
            fmt.append("\\keep")
        if border_bottom:
            fmt.append("\\brdrb\\brdrs\\brdrw10\\brsp40")
        for t in tabs:
            fmt.append("\\tx%d" % t)
        body = []
        for txt, b, f in runs(text):
            r = run_rtf(txt, b or bold, f, fs, font)
            extra = ""
            if italic:
                extra += "\\i"
            if caps:
                extra += "\\caps"
            if expnd:
                extra += "\\expndtw%d" % expnd
            if color:
                extra += "\\cf%d" % color
            if extra:
                r = r.replace(" ", extra + " ", 1)
            body.append(r)
        self.parts.append("".join(fmt) + "\n" + "".join(body) + "\\par\n")

    # Building blocks -------------------------------------------------------

    def heading(self, text):
        self.para(text, sb=360, sa=160, keepn=True, fs=26, font=2, bold=True,
                  border_bottom=True, color=2)

    def prose(self, text, **kw):
        self.para(text, **kw)

    def label_line(self, label, value, *, last=False, indent=360):
        # A bold label and its value; a long value wraps under itself.
        self.para("**%s**\t%s" % (label, value), sa=120 if last else 20, li=LABEL_TAB,
                  fi=indent - LABEL_TAB, tabs=(LABEL_TAB,))

    def comment(self, label, value, sb=60, sa=120):
        self.para("**%s** %s" % (label, value), sb=sb, sa=sa)

    def chart_line(self, text, *, sa=0, sb=0, keepn=False):
        self.para("~~" + text + "~~", sa=sa, sb=sb, li=360, keepn=keepn)

    def rtf(self):
        head = (
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\n"
            "{\\fonttbl"
            "{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
            "{\\f1\\fmodern\\fprq1\\fcharset0 Courier New;}"
            "{\\f2\\fswiss\\fprq2\\fcharset0 Arial;}}\n"
            "{\\colortbl;\\red0\\green0\\blue0;\\red31\\green56\\blue100;"
            "\\red89\\green89\\blue89;}\n"
            "{\\info{\\title Client Intake Assessment Report}"
            "{\\subject Drug court intake interview}}\n"
            "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1296\\margb1296"
            "\\widowctrl\\ftnbj\\fet0\\sectd\\pgnstarts1\n"
            "{\\footer\\pard\\plain\\qc\\f2\\fs16\\cf3 Halverin Drug Court \\endash  "
            "Client Intake Assessment Report \\endash  Confidential \\endash  Page "
            "{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}\\par}\n"
        )
        return head + "".join(self.parts) + "}\n"


def build():
    d = Doc()
    FN = "#FirstName#"

    # Title block -----------------------------------------------------------
    d.para("Halverin Drug Court", sa=40, align="c", font=2, fs=22, caps=True, expnd=20,
           color=2)
    d.para("Client Intake Assessment Report", sa=60, align="c", font=2, fs=36, bold=True)
    d.para("Confidential -- for the use of the drug court team", sa=240, align="c",
           italic=True, fs=20, color=3)
    d.label_line("Client:", "#WholeName#", indent=0, last=True)
    d.prose(
        "This report summarizes the intake interview held with %s for the drug court "
        "program. It describes %s's contact information, background, medical status, "
        "education and employment, drug and alcohol use, criminal justice involvement, "
        "family and social relationships and mental health, and it closes with the "
        "interviewer's observations; the date of the interview and the interviewer are given "
        "in section 1. Unless stated otherwise, the information is what %s reported about "
        "#himherself# during the interview. Questions about the past 30 days refer to the 30 "
        "days before the interview or, for a client who was recently in a controlled "
        "environment, to the last 30 days spent on the street." % (FN, FN, FN),
        sb=120, border_bottom=True, sa=120)

    # 1. Locator ------------------------------------------------------------
    d.heading("1.  Locator Information")
    d.prose(
        "At the time of the interview %s was living at #Address1#, #Address2#, and "
        "#Phone1##Phone2#. The interview was conducted by #Interviewer# on #DateOfInterview#."
        % FN)
    # The telephones and the people who may answer them bring their own "or" and
    # brackets, which an empty answer leaves out.
    d.prose(
        "#HeSheC# has lived at this address for #LengthOfStay# year(s), and the residence "
        "#IsOrIsNot# owned by %s or #hisher# family. Calls to the first telephone number may "
        "also be answered by #Name1##P1Relationship1##Name2##P1Relationship2#, calls to the "
        "second by #Name3##P2Relationship1##Name4##P2Relationship2#. #HisHerC# best mailing "
        "address is #MailingAddress1#, #MailingAddress2#." % FN)
    d.prose(
        "%s named the following people, who usually know where #heshe# is and how to reach "
        "#himher#:" % FN, keepn=True)
    for title, prefix in (("First contact", "Add"), ("Second contact", "Add2")):
        d.para("**%s**" % title, sa=20, li=360, keepn=True)
        d.label_line("Name:", "#%sName#" % prefix)
        d.label_line("Address:", "#%sAddress1#" % prefix)
        d.label_line("", "#%sAddress2#" % prefix)
        d.label_line("Telephone:", "#%sPhone#" % prefix)
        d.label_line("Relationship:", "#%sRelationship#" % prefix, last=True)
    d.comment("Interviewer's comments:", "#LocatorComments#")

    # 2. Demographic ------------------------------------------------------
    d.heading("2.  Demographic Information")
    d.prose(
        "%s was born on #DateOfBirth#. #HisHerC# social security number is #SSN#. %s was "
        "#Age# years old at the time of the interview and describes #hisher# race as #Race#. "
        "#HeSheC# was #BornIn# and is a #Gender# client. %s usually speaks #Language# and "
        "follows #Religion# religion." % (FN, FN, FN))
    # The children sentence, the chart and the child support sentence run on in one
    # paragraph: the chart heading and the support sentence bring their own line breaks.
    # The lines they make are kept together and with what follows, so that the chart's
    # heading never stands at the foot of a page without its rows.
    d.prose(
        "%s has #NumberOfChildren#."
        "^^#ChildChartTop##ChildChart##DaysSpent#^^#ChildSupportSentence#" % FN, sa=0,
        keepn=True)
    d.prose(
        "%s #HasHasNotCE# been in a controlled environment, such as a jail or a hospital but "
        "not a shelter, during the past 30 days. #SpecificCE#~~#CE#~~#Explanation#" % FN,
        sa=0)
    # The answer on other children living with the client comes after the controlled
    # environments; the sentence reads whole with and without its ending.
    d.prose("%s lives in the circumstances described in section 7#OtherChildren#." % FN,
            sb=120)
    d.comment("Interviewer's comments:", "#DemographicComments#")

    # 3. Medical ------------------------------------------------------------
    d.heading("3.  Medical Status")
    d.prose(
        "#Hospitalization##RecentHosp# %s #DoesDoesNotCHP# have chronic medical problems that "
        "continue to interfere with #hisher# life#CHealthProblems#." % FN)
    d.prose(
        "%s #HasHasNotSTD# had one or more of the following: hepatitis, a sexually "
        "transmitted disease, HIV or AIDS. #HeSheC# #HasHasNotSeizure# had a fit or seizure. "
        "%s #Receiving# a pension for a physical disability." % (FN, FN), sa=60)
    d.comment("Disability for which a pension is received:", "#PDisabilities#", sb=0)
    d.prose(
        "%s has been covered by some type of health insurance for #MonthsInsured# of the "
        "last year and reports #IPrograms#. #HeSheC# #IsIsNotPM# taking prescribed medication "
        "on a regular basis for a physical problem#TypesMedicine#. %s #SmokingSentence#."
        % (FN, FN), sa=60)
    # Only the "does not sleep late" form of this sentence ends with a full stop; as a
    # note after a label both forms read.
    d.comment("Sleeping habits:", "#SleepsLateSentence#", sb=0)
    d.prose(
        "In the past 30 days %s has experienced medical problems on #MProblemsDays#. %s has "
        "been #MedTResponse# troubled or bothered by medical problems in that time and "
        "considers treatment for #hisher# medical problems #MedIResponse# important." % (FN, FN))
    d.comment("Interviewer's comments:", "#MedicalComments#")
    d.comment("Interviewer's rating of the need for medical treatment:", "#IRMedical#")

    # 4. Employment -----------------------------------------------------------
    d.heading("4.  Education and Employment")
    d.label_line("Driver's license number:", "#DLN#", indent=0, last=True)
    d.prose(
        "%s has completed #SchoolYears# of education and #TechEdMonths# of training or "
        "technical education. #HeSheC# #ProfessionalSkill#." % FN)
    d.prose(
        "%s #DoesDoesNotDL# a valid driver's license#DriversLicenseReason#. %s "
        "#DoesDoesNotAuto# have an automobile available for use." % (FN, FN))
    d.prose("%s #IsIsNotCE# currently employed. #JobSentence1##JobSentence2#" % FN)
    d.prose(
        "#ContributorSentence#. Over the past 12 months %s's usual employment pattern has "
        "been: #EmploymentPattern#." % FN)
    d.prose(
        "In the past 30 days %s received $#NetIncome# in net income from employment. All "
        "money #heshe# received in that time, by source:" % FN, sa=60, keepn=True)
    d.chart_line("#MoneySources#")
    d.prose(
        "%s worked for pay on #DaysWorked# of the past 30 days and provides the majority of "
        "food and shelter for #Dependents#." % FN, sb=120)
    d.prose("Debts %s currently owes:" % FN, sa=60, keepn=True)
    d.chart_line("#AmountOwed#")
    d.prose(
        "In the past 30 days %s has experienced employment problems #EmploymentProblems#. "
        "%s has been #EResponse# troubled or bothered by employment problems and considers "
        "counseling for them #EIResponse# important." % (FN, FN), sb=120)
    d.comment("Interviewer's comments:", "#EmploymentComments#")
    d.comment("Interviewer's rating of the need for employment or support counseling:",
              "#IREmployment#")

    # 5. Drugs ----------------------------------------------------------------
    d.heading("5.  Drug and Alcohol Use")
    d.prose(
        "%s reports that #hisher# major substance problem is #MajorProblem#. "
        "#AbstinenceSentence#. %s has had #NumberDTs# and #NumberOD# in #hisher# lifetime."
        % (FN, FN))
    d.prose("#AlcoholAbuseSentence1##AlcoholAbuseSentence2#")
    d.prose("#DrugAbuseSentence1##DrugAbuseSentence2#")
    d.prose(
        "In the past 30 days %s has been treated for alcohol or drugs in an outpatient "
        "setting, not counting AA or NA, on #NumOutpatient30#. %s #hashasnotAAL# attended AA "
        "or NA meetings in #hisher# lifetime and #hashasnotAAY# attended them in the past "
        "year; in the past 30 days #heshe# has attended such meetings on #AADays#."
        % (FN, FN))
    d.prose(
        "In the past 30 days %s spent $#$Alcohol# on alcohol and had alcohol problems on "
        "#AlcProblemsDays#. #HeSheC# has been #AlcTroubled# troubled or bothered by alcohol "
        "problems and considers treatment for them #AlcNecessary# important." % FN)
    d.prose(
        "In the same period %s spent $#$Drugs# on drugs and had drug problems on "
        "#DrugProblemsDays#. %s has been #DrugsTroubled# troubled or bothered by drug "
        "problems and considers treatment for them #DrugsNecessary# important." % (FN, FN))
    d.prose("Substances %s reports having used:" % FN, sa=60, keepn=True)
    d.chart_line("**Substance                  Age at  Days in    Years**", keepn=True)
    d.chart_line("**                           1st use last 30    of use**", keepn=True)
    d.chart_line("#DrugChart#")
    d.prose("Comments on #hisher# use of each substance:", sb=120, sa=60, keepn=True)
    d.prose("#DrugComments#", li=360, tabs=(720,), sa=0)
    d.comment("Interviewer's comments:", "#DAComments#")
    d.comment("Interviewer's rating of the need for alcohol treatment:", "#IRAlcohol#")
    d.comment("Interviewer's rating of the need for drug treatment:", "#IRDrugs#")

    # 6. Criminal justice -----------------------------------------------------
    d.heading("6.  Criminal Justice Status")
    d.prose(
        "%s reports the following charges in #hisher# lifetime: #Charges#. %s was convicted on "
        "#NumCharges# of these charges." % (FN, FN))
    # Incarceration values read only after a label: the lifetime one is "never" or
    # "for <period>" (side by side, one of the two is empty), the current-or-last one
    # a predicate ("is currently incarcerated") or a clause ("last incarceration was
    # for <period>").
    d.comment("Incarcerated in %s's lifetime:" % FN, "#NeverInc##LenIncarMonths#", sb=0,
              sa=20)
    d.comment("Incarceration status:", "#LenLastIncar#", sb=0, sa=20)
    d.comment("Reasons for #hisher# last incarceration:", "#LastCrimes#", sb=0)
    d.prose("%s #IsIsNotProb# currently on probation or parole." % FN, sa=60)
    d.comment("Awaiting charges, trial or sentence for:", "#CurrCharge#", sb=0)
    d.prose(
        "In the past 30 days %s was engaged in illegal activities for profit on "
        "#IllegalDays#. %s feels that #hisher# present legal problems are "
        "#CriminalTroubled# serious and considers counseling or referral for them "
        "#CriminalNecessary# important." % (FN, FN))
    d.comment("Interviewer's comments:", "#CriminalComments#")
    d.comment("Days %s spent in jail in the past 30 days (see section 2):" % FN, "#JailDays#",
              sb=0)
    d.comment("Interviewer's rating of the need for legal services or counseling:",
              "#IRLegal#", sb=0)

    # 7. Family and social ----------------------------------------------------
    d.heading("7.  Family and Social Relationships")
    d.prose(
        "%s was asked whether any of #hisher# relatives have had a significant drinking, "
        "drug use or psychiatric problem, one that did or should have led to treatment. "
        "%s's answers:" % (FN, FN), keepn=True)
    d.chart_line("**Relative            Alcohol         Drugs           Psychiatric**",
                 keepn=True, sb=60)
    d.chart_line("**Mother's side**", keepn=True)
    d.chart_line("#MothersSide#**Father's side**", keepn=True)
    d.chart_line("#FathersSide#**Siblings**", keepn=True)
    d.chart_line("#Siblings#")
    d.prose(
        "%s's current marital status is #CurrMaritalStatus#; #heshe# has been in this status "
        "for #MaritalStatusYears# and #MaritalStatusMonths# and #IsIsNotMS# satisfied with "
        "it. %s has been married #TimesMarried# and divorced #TimesDivorced#, and has lived "
        "with #SexualPartners# to whom #heshe# was not married." % (FN, FN), sb=60)
    d.prose(
        "Over the past 12 months %s's usual living arrangement has been: "
        "#LivingArrangement#. %s has lived this way for #LivingTimeY# and #LivingTimeM# and "
        "feels #LivingHappiness# about these living arrangements. %s #DoesDoesNotLDA# live "
        "with anyone who has a drug or alcohol problem. %s reports that #heshe# "
        "#WasWasNotHomeless# homeless in the past 30 days#WhereHomeless#, and #heshe# "
        "has #CloseFriends#." % (FN, FN, FN, FN))
    d.prose(
        "Asked about abuse by family members or others, such as strangers, acquaintances or "
        "intimate partners, %s reported #BotheredBy#. In the past 30 days #heshe# has had "
        "serious conflicts with family members on #NumDaysFC# and with other people on "
        "#OtherConflictsDays#." % FN)
    d.prose(
        "%s has been #FTroubled# troubled or bothered by family problems and #STroubled# "
        "troubled or bothered by social problems in the past 30 days. %s considers "
        "treatment or counseling #FNecessary# important for #hisher# family problems and "
        "#SNecessary# important for #hisher# social problems." % (FN, FN))
    d.comment("Interviewer's comments:", "#FSComments#")
    d.comment("Interviewer's rating of the need for family or social counseling:",
              "#IRFamilySocial#")

    # 8. Mental health --------------------------------------------------------
    d.heading("8.  Mental Health")
    d.prose(
        "%s #HasHasNotTPE# been treated as an outpatient for psychological or emotional "
        "problems, and #heshe# has been treated for such problems in a hospital #TimesHosp#. "
        "%s #HasHasNotPM# been prescribed medication for psychological or emotional "
        "problems#Medications#." % (FN, FN))
    d.prose(
        "%s was asked about significant periods, not the direct result of drug or alcohol "
        "use, in which #heshe# had psychological or emotional problems." % FN, sa=60,
        keepn=True)
    d.comment("Such periods in %s's lifetime:" % FN, "#ExperiencedProblems#", sb=0)
    d.prose(
        "%s #HasHasNotPMM# been prescribed or taken medication for a psychological or "
        "emotional problem #MedicationsM# in the past 30 days." % FN, sa=60, keepn=True)
    d.comment("Periods of psychological or emotional problems in the past 30 days:",
              "#PEProblems#", sb=0, sa=20)
    # The degree of every past experience follows on a line of its own, which its
    # value begins; unanswered, it adds nothing.
    d.comment("Past experiences that have bothered %s a little in the past 30 days:" % FN,
              "#BotheredBy30##ExperiencesDegree#", sb=0, sa=20)
    d.prose(
        "%s has been #MenTroubled# troubled or bothered by psychological or emotional "
        "problems in the past 30 days and considers treatment for them #MenNecessary# "
        "important." % FN, sb=100)
    d.comment("Interviewer's comments:", "#MentalComments#")
    d.comment("Interviewer's rating of the need for psychiatric or psychological treatment:",
              "#IRPsychiatric#")

    # 9. Interviewer's observations ------------------------------------------
    d.heading("9.  Interviewer's Observations")
    d.prose(
        "An asterisk (*) marks an observation that the interviewer made or left unanswered; "
        "such items deserve the court team's attention.", italic=True, fs=20)
    d.prose("At the time of the interview, %s:" % FN, sa=40, keepn=True)
    observations = (
        ("W0", "obviously depressed or withdrawn."),
        ("W1", "obviously hostile."),
        ("W2", "obviously anxious or nervous."),
        ("W3", "having trouble with reality testing, thought disorders or paranoid thinking."),
        ("W4", "having trouble comprehending, concentrating or remembering."),
        ("W5", "having suicidal thoughts."),
    )
    for field, text in observations:
        d.para("#%s# %s" % (field, text), sa=20, li=720)
    d.prose("On the reliability of the interview:", sb=120, sa=40, keepn=True)
    d.para("#D0# that %s's answers were significantly distorted by misrepresentation." % FN,
           sa=20, li=720, align="l")
    d.para("#D1# that %s's answers were significantly distorted because #heshe# did not "
           "understand the questions." % FN, sa=120, li=720)
    d.comment("Final comments:", "#FinalComments#")

    # The signature line and the confidentiality notice share a page.
    d.para("Interviewer's signature: ______________________________\tDate: ______________",
           sb=720, sa=240, tabs=(6480,), keepn=True)
    d.para("This report contains confidential information about a participant in a drug "
           "court program. It may be disclosed only as the law and the participant's written "
           "consent permit.", italic=True, fs=18, color=3, sb=240, keep=True)
    return d.rtf()


# ---------------------------------------------------------------------------
# Checks
# ---------------------------------------------------------------------------

def visible_text(rtf):
    """A rough reading of the visible text: enough to count the markers."""
    text = re.sub(r"\{\\footer.*?\\par\}", "", rtf, flags=re.S)
    text = re.sub(r"\{\\(fonttbl|colortbl|info)(?:[^{}]|\{[^{}]*\})*\}", "", text)
    text = re.sub(r"\\par\b ?", "\n", text)
    text = re.sub(r"\\tab\b ?", "\t", text)
    text = re.sub(r"\\rquote ?", "'", text)
    text = re.sub(r"\\endash ?", "-", text)
    text = re.sub(r"\\([\\{}])", r"\1", text)
    text = re.sub(r"\\[a-z]+-?\d* ?", "", text)
    return text.replace("{", "").replace("}", "").replace("\r", "")


def check(rtf):
    problems = []
    if any(ord(c) > 126 for c in rtf):
        problems.append("non-ASCII character in the RTF")
    text = visible_text(rtf)
    counts = collections.Counter(m.group(1).lower() for m in MARKER.finditer(text))
    names = {m.group(1).lower(): m.group(1) for m in MARKER.finditer(text)}
    for field, n in REPEATED.items():
        if counts[field.lower()] != n:
            problems.append("%s occurs %d times, not %d" % (field, counts[field.lower()], n))
    for key, n in counts.items():
        if names[key] not in REPEATED and n != 1:
            problems.append("%s occurs %d times, not once" % (names[key], n))
    if len(counts) != DISTINCT_FIELDS:
        problems.append("%d distinct fields, not %d" % (len(counts), DISTINCT_FIELDS))
    total = sum(counts.values())
    if total != MARKER_TOTAL:
        problems.append("%d markers, not %d" % (total, MARKER_TOTAL))
    if text.count("#") != 2 * total:
        problems.append("a '#' outside a placeholder")
    return problems, counts


# ---------------------------------------------------------------------------
# A filled sample, for reading the template as a court would
# ---------------------------------------------------------------------------

def pad(x, n):
    return x + " " * max(0, n - len(x))


CRLF = "\r\n"


def sample_values():
    fn = "Dana"
    v = {
        "WholeName": "Dana R. Whitfield", "FirstName": fn, "himherself": "herself",
        "hisher": "her", "himher": "her", "heshe": "she", "HisHerC": "Her", "HeSheC": "She",
        "Address1": "418 Orchard Lane", "Address2": "Millbrook, PA 17055",
        "Phone1": "could be reached by telephone at (717) 555-0148",
        "Phone2": " or at (717) 555-0193", "Interviewer": "T. Okafor",
        "DateOfInterview": "03-14-2024", "LengthOfStay": "2", "IsOrIsNot": "is not",
        "Name1": "Marcus Whitfield", "P1Relationship1": " (brother)",
        "Name2": " or Ellen Price", "P1Relationship2": " (roommate)", "Name3": "Linda Whitfield",
        "P2Relationship1": " (mother)", "Name4": " or Ray Whitfield",
        "P2Relationship2": " (father)",
        "MailingAddress1": "P.O. Box 221", "MailingAddress2": "Millbrook, PA 17055",
        "AddName": "Linda J. Whitfield", "AddAddress1": "77 Cedar Street",
        "AddAddress2": "Harlan, PA 17011", "AddPhone": "(717) 555-0127",
        "AddRelationship": "mother", "Add2Name": "Ellen Price", "Add2Address1": "N/A",
        "Add2Address2": "", "Add2Phone": "(717) 555-0166", "Add2Relationship": "friend",
        "LocatorComments": "Client was cooperative and gave two working numbers.",
        "DateOfBirth": "06-02-1989", "SSN": "000-12-3456", "Age": "35", "Race": "white",
        "BornIn": "born in U.S.", "Gender": "female", "Language": "English",
        "Religion": "the Protestant", "NumberOfChildren": "2 children",
        "ChildChartTop": CRLF + pad("Gender", 8) + pad("D/O/B", 12) + pad("Custody", 21)
        + pad("Custody Status", 19) + pad("Days", 5) + "Child Support" + CRLF + CRLF,
        "ChildChart": pad("Male", 8) + pad("04/11/2012", 12) + pad("Other Parent", 21)
        + pad("Joint--w/father", 19) + pad("6", 5) + "YES, court ordered" + CRLF + CRLF
        + pad("Female", 8) + pad("09/23/2016", 12) + pad("Respondent", 21)
        + pad("Sole mother", 19) + pad("30", 5) + "NOT APPLICABLE" + CRLF + CRLF,
        "DaysSpent": "*Days represents days spent with child in last month.",
        "ChildSupportSentence": CRLF + CRLF + "At this time " + fn + " is ordered to pay $"
        "250 in child support per month and currently is paying $150 per month of this "
        "total." + CRLF,
        "HasHasNotCE": "has", "SpecificCE": "Specifically she has been in:" + CRLF + CRLF,
        "CE": pad("Jail", 29) + "5 days" + CRLF + pad("Alcohol or Drugs Treatment", 29)
        + "12 days" + CRLF,
        "Explanation": CRLF + CRLF + fn + " was in a controlled environment in the past 30 "
        "days, all questions referring to past 30 days refer to the past 30 days on the "
        "street (i.e., not including the time spent in the controlled environment).",
        "OtherChildren": " and takes care of additional children",
        "DemographicComments": "Client lives with her younger daughter.",
        "Hospitalization": fn + " has been hospitalized 2 times in her life.",
        "RecentHosp": "  The most recent of these hospitalizations occurred 1-2 years ago.",
        "DoesDoesNotCHP": "does", "CHealthProblems": " including: asthma, migraines",
        "HasHasNotSTD": "has not", "HasHasNotSeizure": "has not",
        "Receiving": "is not receiving", "PDisabilities": "",
        "MonthsInsured": "8 months", "IPrograms": "private health insurance, Medicaid",
        "IsIsNotPM": "is", "TypesMedicine": " which includes albuterol",
        "SmokingSentence": "averages smoking 10 cigarettes per day in the last 30 days",
        "SleepsLateSentence": fn + " sleeps past 11am on most days, this is due to working "
        "hours",
        "MProblemsDays": "4 days", "MedTResponse": "slightly", "MedIResponse": "moderately",
        "MedicalComments": "Asthma is controlled with an inhaler.",
        "IRMedical": "Slight problem",
        "DLN": "N/A", "SchoolYears": "11 years", "TechEdMonths": "6 months",
        "ProfessionalSkill": "has professional skills of:  food service",
        "DoesDoesNotDL": "does not have",
        "DriversLicenseReason": " due to the following reasons:  suspended after a DWI",
        "DoesDoesNotAuto": "does not", "IsIsNotCE": "is",
        "JobSentence1": "This job has lasted for one year and 3 months and is a service "
        "worker job.  ",
        "JobSentence2": "She started this job in 12/2022 and is still working there.",
        "ContributorSentence": "Parent/foster parent contributes to " + fn + "'s support "
        "which  does not constitute the majority of her support",
        "EmploymentPattern": "Part -Time", "NetIncome": "900",
        "MoneySources": pad("Employment (net income)", 45) + "$900" + CRLF
        + pad("Food stamps", 45) + "$150" + CRLF
        + pad("Mate, family, friends, child support", 45) + "$250" + CRLF,
        "DaysWorked": "14 days", "Dependents": "2 dependants",
        "AmountOwed": pad("Court fees", 45) + "$501-$2,000" + CRLF + pad("Restitution", 45)
        + "Less than $500" + CRLF,
        "EmploymentProblems": "3 times", "EResponse": "slightly", "EIResponse": "moderately",
        "EmploymentComments": "Employer knows about court dates.",
        "IREmployment": "Moderate problem",
        "MajorProblem": "alcohol",
        "AbstinenceSentence": "Her longest period of abstinence was for 7 months which "
        "occured 14 months ago",
        "NumberDTs": "0 D.T.s", "NumberOD": "one O.D.",
        "AlcoholAbuseSentence1": fn + " has been treated for alcohol abuse one time in her "
        "life, 0 of those treatment times was detox and 2 were outpatient treatment "
        "experiences.",
        "AlcoholAbuseSentence2": "  She has been treated for alcohol abuse 0 times in the "
        "past year, 0 of those treatment times was detox and 1 of those treatment times were "
        "outpatient treatment experiences.",
        "DrugAbuseSentence1": fn + " has never been treated for drug abuse in her lifetime.",
        "DrugAbuseSentence2": "",
        "NumOutpatient30": "4 days", "hashasnotAAL": "has", "hashasnotAAY": "has",
        "AADays": "6 days", "$Alcohol": "120", "AlcProblemsDays": "9 days",
        "AlcTroubled": "considerably", "AlcNecessary": "extremely", "$Drugs": "40",
        "DrugProblemsDays": "2 days", "DrugsTroubled": "slightly",
        "DrugsNecessary": "moderately",
        "DrugChart": pad("Alcohol", 27) + pad("15", 8) + pad("18", 11) + "17" + CRLF
        + pad("Marijuana", 27) + pad("16", 8) + pad("3", 11) + "6" + CRLF
        + pad("Cocaine", 27) + pad("22", 8) + pad("0", 11) + "2" + CRLF,
        "DrugComments": "Alcohol: " + CRLF + "\tDrinks mostly on weekends." + CRLF + CRLF
        + "Marijuana: " + CRLF + "\tUses with friends." + CRLF + CRLF + "Cocaine: " + CRLF
        + "\tLast used two years ago." + CRLF + CRLF,
        "DAComments": "Client is motivated for treatment.", "IRAlcohol": "Considerable "
        "problem", "IRDrugs": "Slight problem",
        "Charges": "drug charges 1 time;  DWI 2 times;  contempt of court 1 time",
        "NumCharges": "3", "NeverInc": "", "LenIncarMonths": "for 3-6 months",
        "LenLastIncar": "last incarceration was for 1-3 months",
        "LastCrimes": "drug charges ; DWI ", "IsIsNotProb": "is",
        "CurrCharge": "DWI ", "IllegalDays": "0 days", "CriminalTroubled": "moderately",
        "CriminalNecessary": "considerably",
        "CriminalComments": "Probation officer confirmed the charges.",
        "JailDays": "5 days", "IRLegal": "Moderate problem",
        "MothersSide": "".join(
            pad(r, 20) + pad(a, 16) + pad(b, 16) + pad(c, 16) + CRLF for r, a, b, c in (
                ("Grandmother", "No", "No", "No"), ("Grandfather", "Yes", "No", "Uncertain"),
                ("Mother", "No", "No", "Yes"), ("Aunt", "No", "No", "No"),
                ("Uncle", "Yes", "Yes", "No"))),
        "FathersSide": "".join(
            pad(r, 20) + pad(a, 16) + pad(b, 16) + pad(c, 16) + CRLF for r, a, b, c in (
                ("Grandmother", "Uncertain", "Uncertain", "Uncertain"),
                ("Grandfather", "Uncertain", "Uncertain", "Uncertain"),
                ("Father", "Yes", "No", "No"), ("Aunt", "No relative", "No relative",
                                                "No relative"), ("Uncle", "No", "No", "No"))),
        "Siblings": "".join(
            pad(r, 20) + pad(a, 16) + pad(b, 16) + pad(c, 16) + CRLF for r, a, b, c in (
                ("Brother #1", "No", "Yes", "No"),
                ("Brother #2", "No relative", "No relative", "No relative"),
                ("Sister #1", "No", "No", "No"),
                ("Sister #2", "No relative", "No relative", "No relative"))),
        "CurrMaritalStatus": "divorced", "MaritalStatusYears": "3 years",
        "MaritalStatusMonths": "one month", "IsIsNotMS": "is", "TimesMarried": "one time",
        "TimesDivorced": "one time", "SexualPartners": "2 sexual partners",
        "LivingArrangement": "with children alone", "LivingTimeY": "2 years",
        "LivingTimeM": "0 months", "LivingHappiness": "satisfied",
        "DoesDoesNotLDA": "does not", "WasWasNotHomeless": "was",
        "WhereHomeless": " and that she stayed in with friends during the homeless period",
        "CloseFriends": "3 close friends", "BotheredBy": "emotional abuse; physical abuse",
        "NumDaysFC": "2 days", "OtherConflictsDays": "one day", "FTroubled": "slightly",
        "STroubled": "not at all", "FNecessary": "moderately", "SNecessary": "slightly",
        "FSComments": "Relationship with her mother is supportive.",
        "IRFamilySocial": "Slight problem",
        "HasHasNotTPE": "has", "TimesHosp": "0 times", "HasHasNotPM": "has",
        "Medications": " including:  sertraline",
        "ExperiencedProblems": "experienced serious depression; experienced serious anxiety "
        "or tension",
        "HasHasNotPMM": "has", "MedicationsM": "including:  sertraline",
        "PEProblems": "experienced serious anxiety or tension",
        "BotheredBy30": "emotional abuse",
        "ExperiencesDegree": CRLF + "Degree to which past experiences bothered " + fn + " in "
        "the past 30 days: emotional abuse: a little; physical abuse: a lot; sexual abuse or "
        "rape: not at all; sexual harassment: somewhat.",
        "MenTroubled": "moderately",
        "MenNecessary": "considerably", "MentalComments": "Sees a counselor monthly.",
        "IRPsychiatric": "Moderate problem",
        "W0": "Was not", "W1": "Was not", "W2": "*Was", "W3": "Was not", "W4": "Was not",
        "W5": "Was not", "D0": "I do not believe", "D1": "*I do believe",
        "FinalComments": "Client engaged well and asked about program requirements.",
    }
    return v


def other_sample_values():
    """The other branches: no children, nothing owed, never incarcerated and so on.
    A rating left unrated keeps its marker, as the report does."""
    fn = "Robert"
    v = sample_values()
    v.update({
        "WholeName": "Robert Alvarez", "FirstName": fn, "himherself": "himself",
        "hisher": "his", "himher": "him", "heshe": "he", "HisHerC": "His", "HeSheC": "He",
        "IsOrIsNot": "is", "Add2Address1": "N/A", "Race": "African American",
        "BornIn": "non U.S. born", "Gender": "male", "Language": "an unspecified language",
        "Religion": "no", "NumberOfChildren": "0 children", "ChildChartTop": "",
        "ChildChart": "", "DaysSpent": "", "ChildSupportSentence": CRLF,
        "HasHasNotCE": "has not", "SpecificCE": "", "CE": "", "Explanation": "",
        "OtherChildren": "", "DemographicComments": "",
        "Hospitalization": fn + " has not been hospitalized in his life.", "RecentHosp": "",
        "DoesDoesNotCHP": "does not", "CHealthProblems": "", "HasHasNotSTD": "has",
        "Receiving": "is receiving", "PDisabilities": "back injury",
        "MonthsInsured": "0 months", "IPrograms": "no insurance programs",
        "IsIsNotPM": "is not", "TypesMedicine": "",
        "SmokingSentence": "does not smoke cigarettes",
        "SleepsLateSentence": fn + " does not sleep past 11am on most days.",
        "MProblemsDays": "0 days", "DLN": "S123-4567-8901", "DoesDoesNotDL": "has",
        "DriversLicenseReason": "", "ProfessionalSkill": "has no professional skills",
        "DoesDoesNotAuto": "does", "IsIsNotCE": "is not",
        "JobSentence1": "The last job he had was for 2 years and one month and it was a "
        "non-farm laborer job.  ",
        "JobSentence2": "He started that job in 03/2019 and ended this job in 04/2021 "
        "because: Laid off.",
        "ContributorSentence": "There is no one currently contributing to " + fn
        + "'s support",
        "EmploymentPattern": "Unemployed", "NetIncome": "0",
        "MoneySources": "*No extra income received*", "DaysWorked": "0 days",
        "Dependents": "0 dependants", "AmountOwed": "*Client currently has no debts*",
        "MajorProblem": "alcohol & drug (dual addiction)",
        "AbstinenceSentence": "He has had no periods of abstinence from this substance",
        "NumberDTs": "one D.T.", "NumberOD": "0 O.D.s",
        "AlcoholAbuseSentence1": fn + " has never been treated for alcohol abuse in his "
        "lifetime.",
        "AlcoholAbuseSentence2": "",
        "DrugAbuseSentence1": fn + " has been treated for drug abuse 2 times in his life, 1 of "
        "those treatment times was detox and 0 were outpatient treatment experiences.",
        "DrugAbuseSentence2": "  He has been treated for drug abuse one time in the past "
        "year, 1 of those treatment times was detox and 0 of those treatment times were "
        "outpatient treatment experiences.",
        "hashasnotAAL": "has not", "hashasnotAAY": "has not", "AADays": "0 days",
        "DrugChart": pad("Heroin", 27) + pad("19", 8) + pad("25", 11) + "8" + CRLF
        + pad("Multi-substance", 27) + pad("17", 8) + pad("25", 11) + "10" + CRLF,
        "DrugComments": "Heroin: " + CRLF + "\tDaily use." + CRLF + CRLF
        + "Multi-substance: " + CRLF + "\tAlso uses alcohol with heroin.",
        "Charges": "no charges", "NumCharges": "0", "NeverInc": "never",
        "LenIncarMonths": "", "LenLastIncar": "last incarceration was for ",
        "LastCrimes": "", "IsIsNotProb": "is not", "CurrCharge": "no criminal activities",
        "JailDays": "0 days", "CurrMaritalStatus": "never married",
        "LivingArrangement": "no stable arrangements (include shelter)",
        "LivingHappiness": "indifferent", "WasWasNotHomeless": "was not", "WhereHomeless": "",
        "BotheredBy": "no problems", "HasHasNotTPE": "has not", "HasHasNotPM": "has not",
        "Medications": "", "ExperiencedProblems": "no problems", "HasHasNotPMM": "has not",
        "MedicationsM": "", "PEProblems": "no problems", "BotheredBy30": "",
        "ExperiencesDegree": "", "Phone2": "", "Name2": "", "P1Relationship2": "",
        "W2": "Was not", "D1": "I do not believe",
    })
    del v["IRDrugs"]
    return v


def fill_sample(rtf, values):

    def value_rtf(m):
        if m.group(1) not in values:
            return m.group(0)
        lines = values[m.group(1)].split("\r\n")
        return "\\par\n".join(esc(line, True) for line in lines)

    return MARKER.sub(value_rtf, rtf)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="verify that the committed template matches this script")
    parser.add_argument("--sample", metavar="OUT", help="also write a filled sample report")
    parser.add_argument("--other", action="store_true",
                        help="fill the sample with the other answers (no children, ...)")
    args = parser.parse_args()

    rtf = build()
    problems, counts = check(rtf)
    for p in problems:
        print("template: " + p, file=sys.stderr)
    if problems:
        return 1
    data = rtf.replace("\n", "\r\n").encode("ascii")
    if args.check:
        if TEMPLATE.read_bytes() != data:
            print("template: %s is out of date; run %s" % (TEMPLATE, sys.argv[0]),
                  file=sys.stderr)
            return 1
    else:
        TEMPLATE.write_bytes(data)
    if args.sample:
        values = other_sample_values() if args.other else sample_values()
        pathlib.Path(args.sample).write_bytes(fill_sample(rtf, values).replace("\n", "\r\n")
                                              .encode("ascii"))
    print("%d fields, %d markers" % (len(counts), sum(counts.values())))
    return 0


if __name__ == "__main__":
    sys.exit(main())
