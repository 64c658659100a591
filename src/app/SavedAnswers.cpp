#include "app/SavedAnswers.h"

#include "records/ClientFolder.h"
#include "records/RecoveryCopy.h"

namespace yrn {

SavedAnswers::SavedAnswers(Interview& interview, ClientFolder& clients)
    : interview_(interview), clients_(clients), files_(RecoveryCopy::filesOf(interview)) {
    observer_ = clients_.observe([this](ClientFolder::Event) { rebase(); });
}

SavedAnswers::~SavedAnswers() {
    clients_.unobserve(observer_);
}

// The section files are the same bytes the recovery copy keeps.
bool SavedAnswers::unsaved() const {
    return RecoveryCopy::filesOf(interview_) != files_;
}

void SavedAnswers::rebase() {
    files_ = RecoveryCopy::filesOf(interview_);
}

}  // namespace yrn
