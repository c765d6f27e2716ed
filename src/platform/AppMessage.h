#pragma once
// Every message to the user is a modal message box. The style numbers and
// answers are those the program has always used.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

namespace MessageStyle {
constexpr int Default = 0;      // exclamation icon, OK
constexpr int Stop = 16;        // stop icon, OK
constexpr int RetryCancel = 21; // stop icon, retry and cancel
constexpr int YesNoCancel = 35; // question icon
constexpr int YesNo = 36;       // question icon
constexpr int Information = 64; // information icon, OK
constexpr int Exclamation = 48; // exclamation icon, OK
constexpr int OkCancel = 33;    // question icon, OK and cancel
} // namespace MessageStyle

namespace MessageResult {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MessageResult

// What a style number asks for. Styles are the usual message-box bits: the
// low four the buttons, the next four the icon, bits 8-11 the default button.
// Style 0 shows the exclamation icon.
enum class MessageIcon { None, Stop, Question, Exclamation, Information };

struct MessageBoxLayout {
    MessageIcon icon = MessageIcon::None;
    std::vector<int> buttons; // MessageResult numbers, left to right
    int defaultButton = MessageResult::Ok;
    int escapeButton = 0; // 0 when the box cannot be dismissed without a choice
};

MessageBoxLayout messageBoxLayout(int style);

// "\r\n", "\r" and "\n" each become one '\n'.
std::string normalizeLineBreaks(std::string_view text);

// A message as the user can read it: a word (a path, a value) longer than
// MaxMessageWord keeps its start and end around "…", and the whole text is
// cut after MaxMessageText characters. A value of megabytes would otherwise
// make the box lay out text for minutes.
constexpr std::size_t MaxMessageWord = 120;
constexpr std::size_t MaxMessageText = 2000;
std::string shortenedMessageText(std::string_view text);

// Shows one message box and returns the button pressed. Texts are program
// text (Windows-1252); "\r" and "\n" are line breaks.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual int present(const std::string& caption, const std::string& text, int style) = 0;
};

// The presenter every message goes to; the program installs the Qt one,
// tests a scripted one. Without one, messages are answered with the default
// button and go nowhere.
void setMessagePresenter(MessagePresenter* presenter);
MessagePresenter* messagePresenter();

// The caption of the program's message boxes.
extern const char* const AppCaption; // "*qor spanisch"

// Shows text with the caption "*qor spanisch"; style 0 means exclamation + OK.
int AppMessage(const std::string& text, int style = MessageStyle::Default);

// A message box with another caption (the page engine uses "*qor").
int ShowMessage(const std::string& caption, const std::string& text, int style);

} // namespace qor
