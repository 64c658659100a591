#pragma once

// Stand-ins for the client's identity and pronouns, for tests and benchmarks alike.

#include "interview/Interview.h"

namespace yrn::test {

struct FakeIdentity : ClientIdentity {
    QString folder = "DoeJaneQ05-07-2001";
    QString first = "Jane";
    bool CheckSaveValues() const override { return !folder.isEmpty(); }
    QString YRNDirectory() const override { return folder; }
    QString frmMainCaptionName() const override { return "Doe, Jane"; }
    QString FirstName() const override { return first; }
    QString WholeName() const override { return "Jane Q Doe"; }
    QString AssessmentDate() const override { return "05/07/2001"; }
};

struct FakePronouns : Pronouns {
    QString himherself() const override { return "herself"; }
    QString hisher() const override { return "her"; }
    QString HisHerC() const override { return "Her"; }
    QString himher() const override { return "her"; }
    QString heshe() const override { return "she"; }
    QString HeSheC() const override { return "She"; }
};

}  // namespace yrn::test
