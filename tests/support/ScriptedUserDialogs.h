#pragma once
// Login dialogs answered from a script: each dialog takes the next answer
// queued for it (nothing = cancelled) and remembers what it was shown.

#include "users/UserDialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qor::test {

class ScriptedUserDialogs : public UserDialogs {
public:
    std::deque<std::optional<Credentials>> credentials;
    std::deque<std::optional<PasswordChange>> changes;
    std::deque<std::optional<Credentials>> wizard;

    std::vector<PasswordRequest> requests;
    std::vector<std::string> changeCaptions;
    int wizardsShown = 0;

    std::optional<Credentials> askCredentials(const PasswordRequest& request) override {
        requests.push_back(request);
        return next(credentials);
    }
    std::optional<PasswordChange> askPasswordChange(const std::string& caption,
                                                    const std::string&) override {
        changeCaptions.push_back(caption);
        return next(changes);
    }
    std::optional<Credentials> runLogInWizard() override {
        ++wizardsShown;
        return next(wizard);
    }

private:
    template <typename T> static std::optional<T> next(std::deque<std::optional<T>>& answers) {
        if (answers.empty())
            return std::nullopt;
        std::optional<T> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace qor::test
