#include "support/RecordingUserInteraction.h"

namespace korvex::test {

MessageAnswer RecordingUserInteraction::showMessage(const Message& message) {
    messages.push_back(message);
    if (answers_.empty()) {
        return message.defaultAnswer;
    }
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void RecordingUserInteraction::setStatusText(const QString& text) { statusTexts.append(text); }

void RecordingUserInteraction::setProgress(int value, int maximum) { progress.emplace_back(value, maximum); }

void RecordingUserInteraction::scriptAnswers(std::initializer_list<MessageAnswer> answers) {
    answers_.insert(answers_.end(), answers);
}

}  // namespace korvex::test
