#pragma once

#include <QString>

namespace korvex {

enum class MessageIcon { None, Information, Question, Warning, Critical };

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };

enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

// A message box as the program wants it shown. An empty title shows the application title.
struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The answer a box gives when nobody can answer it (unattended, no display): its default button.
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

// The one seam through which the core tells or asks the user something. The main window implements
// it with widgets; tests implement it with a script that records every message.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    virtual MessageAnswer showMessage(const Message& message) = 0;
    // First panel of the status bar.
    virtual void setStatusText(const QString& text) = 0;
    // Progress bar; a maximum of 0 hides it.
    virtual void setProgress(int value, int maximum) = 0;
};

}  // namespace korvex
