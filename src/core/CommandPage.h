#pragma once
// What command rows may do with the page the commands came from. The
// window that shows the page implements it and hands it to the blocks.

#include <string>

namespace qor {

class CommandPage {
public:
    virtual ~CommandPage() = default;

    // Loads a page file (relative to the shown page's folder).
    virtual void loadPage(const std::string& fileName) = 0;
    // The shown page's file name.
    virtual std::string currentPageFile() const = 0;
    // Shows the shown page again.
    virtual void reloadPage() = 0;
    virtual void setPageDefine(const std::string& name, const std::string& value) = 0;
    // A page variable's value; empty when it was never set.
    virtual std::string pageDefine(const std::string& name) const = 0;
    virtual void setPageCondition(const std::string& name, bool on) = 0;
};

} // namespace qor
