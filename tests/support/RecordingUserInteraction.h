#pragma once

#include "util/UserInteraction.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace korvex::test {

// Records every message, status text and progress step, and answers each message box with the
// next scripted answer (or the box's default when the script is used up).
class RecordingUserInteraction : public UserInteraction {
public:
    MessageAnswer showMessage(const Message& message) override;
    void setStatusText(const QString& text) override;
    void setProgress(int value, int maximum) override;

    void scriptAnswers(std::initializer_list<MessageAnswer> answers);

    std::vector<Message> messages;
    QStringList statusTexts;
    std::vector<std::pair<int, int>> progress;

private:
    std::deque<MessageAnswer> answers_;
};

}  // namespace korvex::test
