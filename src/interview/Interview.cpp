#include "interview/Interview.h"

#include "interview/Section.h"

namespace yrn {

namespace {

class NoIdentity : public ClientIdentity {
  public:
    bool CheckSaveValues() const override { return false; }
    QString YRNDirectory() const override { return {}; }
    QString frmMainCaptionName() const override { return {}; }
    QString FirstName() const override { return {}; }
    QString WholeName() const override { return {}; }
    QString AssessmentDate() const override { return {}; }
};

class NoPronouns : public Pronouns {
  public:
    QString himherself() const override { return {}; }
    QString hisher() const override { return {}; }
    QString HisHerC() const override { return {}; }
    QString himher() const override { return {}; }
    QString heshe() const override { return {}; }
    QString HeSheC() const override { return {}; }
};

}  // namespace

Interview::Interview(Prompts& prompts) : prompts_(prompts) {}

Interview::~Interview() = default;

Section& Interview::add(std::unique_ptr<Section> section) {
    sections_.push_back(std::move(section));
    return *sections_.back();
}

QList<Section*> Interview::sections() const {
    QList<Section*> out;
    for (const auto& s : sections_)
        out.append(s.get());
    return out;
}

Section* Interview::section(const QString& name) const {
    for (const auto& s : sections_)
        if (s->info().module == name || s->info().controlName == name) return s.get();
    return nullptr;
}

const ClientIdentity& Interview::identity() const {
    static const NoIdentity none;
    return identity_ ? *identity_ : none;
}

const Pronouns& Interview::pronouns() const {
    static const NoPronouns none;
    return pronouns_ ? *pronouns_ : none;
}

}  // namespace yrn
