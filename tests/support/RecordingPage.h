#pragma once
// A page that records what command rows and page-writing subsystems ask of
// it: the pages loaded, the variables and the conditions set.

#include "core/CommandPage.h"

#include <map>
#include <string>
#include <vector>

namespace qor::test {

class RecordingPage : public CommandPage {
public:
    void loadPage(const std::string& fileName) override { loaded.push_back(fileName); }
    std::string currentPageFile() const override { return current(); }
    void reloadPage() override {}
    void setPageDefine(const std::string& name, const std::string& value) override {
        defines[name] = value;
    }
    std::string pageDefine(const std::string& name) const override { return (*this)[name]; }
    void setPageCondition(const std::string& name, bool on) override { conditions[name] = on; }

    // The page loaded last; empty before the first.
    std::string current() const { return loaded.empty() ? std::string() : loaded.back(); }
    // A variable's value; empty when it was never set.
    std::string operator[](const std::string& name) const {
        const auto found = defines.find(name);
        return found == defines.end() ? std::string() : found->second;
    }

    std::vector<std::string> loaded;
    std::map<std::string, std::string> defines;
    std::map<std::string, bool> conditions;
};

} // namespace qor::test
