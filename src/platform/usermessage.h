#pragma once

#include "platform/prompter.h"

#include <QString>

#include <vector>

namespace velunto {

// A message that an operation of the core hands back for the window to show.
struct UserMessage
{
    Prompter::Kind kind = Prompter::Kind::Error;
    QString text;

    bool operator==(const UserMessage&) const = default;
};

using UserMessages = std::vector<UserMessage>;

// Shows the messages one after another, each with an OK button.
inline void showMessages(Prompter& prompter, const UserMessages& messages)
{
    for (const UserMessage& m : messages)
        prompter.message(m.kind, m.text);
}

} // namespace velunto
