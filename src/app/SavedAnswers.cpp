#include "app/SavedAnswers.h"

#include "records/ClientFolder.h"
#include "records/RecoveryCopy.h"

namespace yrn {

SavedAnswers::SavedAnswers(Interview& interview, ClientFolder& clients)
    : interview_(interview), clients_(clients), files_(filesOf(interview)) {
    observer_ = clients_.observe([this](ClientFolder::Event) { rebase(); });
}

SavedAnswers::~SavedAnswers() {
    clients_.unobserve(observer_);
}

SavedAnswers::Files SavedAnswers::filesOf(const Interview& interview) {
    return RecoveryCopy::filesOf(interview);
}

}  // namespace yrn
