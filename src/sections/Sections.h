#pragma once

#include <memory>

#include "interview/Interview.h"

namespace yrn {

class Prompts;

// The whole interview: the eight sections in interview order (locator,
// demographic, medical, employment, drug and alcohol, criminal justice, family and
// social, mental health), with the locator's client identity and the demographic
// pronouns wired in.
std::unique_ptr<Interview> makeInterview(Prompts& prompts);

}  // namespace yrn
