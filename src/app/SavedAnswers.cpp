#include "app/SavedAnswers.h"

#include "interview/Interview.h"
#include "interview/Section.h"
#include "records/ClientFolder.h"
#include "sections/DeclaredSection.h"

namespace yrn {

SavedAnswers::SavedAnswers(Interview& interview, ClientFolder& clients)
    : interview_(interview), clients_(clients), files_(filesOf(interview)) {
    observer_ = clients_.observe([this](ClientFolder::Event) { rebase(); });
}

SavedAnswers::~SavedAnswers() {
    clients_.unobserve(observer_);
}

SavedAnswers::Files SavedAnswers::filesOf(const Interview& interview) {
    Files files;
    for (const Section* section : interview.sections()) {
        const auto* declared = dynamic_cast<const DeclaredSection*>(section);
        if (!declared || declared->fileLayout().isEmpty()) continue;
        files.append({section->info().fileName, declared->fileBytes()});
    }
    return files;
}

}  // namespace yrn
