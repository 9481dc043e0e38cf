#include "python/TranscriptDialogs.h"

namespace vantorel::python {

TranscriptDialogs::TranscriptDialogs(QuestionAnswers answers)
    : answers_(answers), console_(printed_, [this](const std::string& question) { return answers_.Answer(question); }) {}

void TranscriptDialogs::ShowMessage(const std::string& text) {
    console_.ShowMessage(text);
    messages_.push_back(text);
    TakePrinted();
}

bool TranscriptDialogs::AskYesNo(const std::string& text) {
    const bool yes = console_.AskYesNo(text);
    TakePrinted();
    return yes;
}

void TranscriptDialogs::TakePrinted() {
    std::string line = printed_.str();
    if (!line.empty() && line.back() == '\n') line.pop_back();
    lines_.push_back(std::move(line));
    printed_.str({});
}

}  // namespace vantorel::python
