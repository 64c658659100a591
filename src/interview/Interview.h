#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace yrn {

class Prompts;
class Section;

// What the locator section tells the rest of the program about the client.
class ClientIdentity {
  public:
    virtual ~ClientIdentity() = default;
    virtual bool CheckSaveValues() const = 0;
    virtual QString YRNDirectory() const = 0;
    virtual QString frmMainCaptionName() const = 0;
    virtual QString FirstName() const = 0;
    virtual QString WholeName() const = 0;
    virtual QString AssessmentDate() const = 0;
};

// The pronouns of the client's gender, from the demographic section.
class Pronouns {
  public:
    virtual ~Pronouns() = default;
    virtual QString himherself() const = 0;
    virtual QString hisher() const = 0;
    virtual QString HisHerC() const = 0;
    virtual QString himher() const = 0;
    virtual QString heshe() const = 0;
    virtual QString HeSheC() const = 0;
};

// The client's days in a controlled environment, from the demographic section, for
// the criminal justice narrative.
class ControlledEnvironment {
  public:
    virtual ~ControlledEnvironment() = default;
    // The typed days in jail, as they stand in the box.
    virtual QString JailDays() const = 0;
    // "No" was chosen: the client was not in a controlled environment.
    virtual bool NotInControlledEnvironment() const = 0;
};

// One interview: the eight sections in interview order, the prompts they talk
// through, and the client-loading flag that keeps focus-moving rules quiet while
// a client is reset or read.
class Interview {
  public:
    explicit Interview(Prompts& prompts);
    ~Interview();
    Interview(const Interview&) = delete;
    Interview& operator=(const Interview&) = delete;

    Prompts& prompts() const { return prompts_; }
    void setPrompts(Prompts& prompts) { prompts_ = prompts; }

    void BeginLoading() { loading_ = true; }
    void EndLoading() { loading_ = false; }
    bool IsLoading() const { return loading_; }

    // Sections are added in interview order and owned by the interview.
    Section& add(std::unique_ptr<Section> section);
    QList<Section*> sections() const;
    // The section of a module name ("ctlDemographic") or control name ("Demographic").
    Section* section(const QString& name) const;
    template <class T>
    T* find() const {
        for (const auto& s : sections_)
            if (auto* t = dynamic_cast<T*>(s.get())) return t;
        return nullptr;
    }

    void setIdentity(const ClientIdentity* identity) { identity_ = identity; }
    void setPronouns(const Pronouns* pronouns) { pronouns_ = pronouns; }
    void setEnvironment(const ControlledEnvironment* environment) { environment_ = environment; }
    // The locator's identity functions; a missing locator answers as an empty client.
    const ClientIdentity& identity() const;
    const Pronouns& pronouns() const;
    // Null when the interview has no demographic section.
    const ControlledEnvironment* environment() const { return environment_; }

  private:
    std::reference_wrapper<Prompts> prompts_;
    bool loading_ = false;
    std::vector<std::unique_ptr<Section>> sections_;
    const ClientIdentity* identity_ = nullptr;
    const Pronouns* pronouns_ = nullptr;
    const ControlledEnvironment* environment_ = nullptr;
};

}  // namespace yrn
