#pragma once
// The page model: everything a page text says, parsed into items and side
// tables, plus the tables that live longer than one page (definitions,
// styles, conditions). It knows nothing of windows or drawing; the page
// control lays out and draws what it holds.
//
//   PageModel model;
//   model.setCurrentPage("/…/hqor/", "main.htx");
//   model.Parse(text, false);
//   for (const tFormatted_text& item : model.items()) ...

#include "graphics/Color.h"
#include "page/model/AliasList.h"
#include "page/model/ConditionList.h"
#include "page/model/Items.h"
#include "page/model/Pictures.h"
#include "page/model/SideTables.h"
#include "page/model/Styles.h"
#include "page/model/TextFormat.h"
#include "platform/Random.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The page variable in which a typing field that was finally answered wrong
// leaves what was typed, for the page its reaction shows next.
inline constexpr const char* WrongAnswerDefine = "Eingabe";

// What a page holds until it is cleared.
struct PageContent {
    std::string title = "ohne Titel";
    tFormatted_text_list items;
    TBoxList boxes;
    TCheckBoxList checkBoxes;
    ImageMapList imageMaps;
    // Names of the interactive areas (link targets, notes, hot spots); items
    // and boxes refer to them by index. Layout adds the rectangles.
    std::vector<std::string> areaNames;
    std::vector<TypingFieldSpec> typingFields; // a gap's exercise index points here
    std::vector<SentenceExerciseSpec> sentences;
    DragExerciseSettings drag;
    std::vector<ButtonSpec> buttons;
    std::optional<MultipleChoiceSpec> multipleChoice;
    std::optional<LineEditSpec> lineEdit;
    std::optional<RecorderSpec> recorder;
    std::optional<MosaicSpec> mosaic;
    TXAliasList aliases;    // "#name"
    TXAliasList colorNames; // from <COLORS>
    BodyColors body;
    PageColors colors;
    std::string enterTarget; // activated by the Enter key
    std::string clickTarget; // activated by a click anywhere (<ONCLICK>)
    std::string onShow;      // command for the host after drawing
    std::optional<WaitJump> wait;
    std::string backgroundPicture;    // full path
    bool formTakesBackground = false; // <BODY FORM>: the window takes BGCOLOR
    bool needsEffectBitmap = false;   // something on the page is blended

    int addAreaName(std::string name) {
        areaNames.push_back(std::move(name));
        return static_cast<int>(areaNames.size()) - 1;
    }
};

class PageModel {
public:
    // Live values for "$[name]" and "?code" conditions: the handler replaces
    // code by its value.
    using SpecialCodeEvent = std::function<void(std::string& code)>;
    // A picture "%WxH=code": the host draws into the blank picture.
    using PictureRequestEvent = std::function<void(const std::string& code, int pictureIndex)>;
    // A tag the scanner could not read: it is abandoned and the page goes on.
    using TagErrorEvent = std::function<void(const std::string& tag, const std::string& message)>;
    using FontInstalledTest = std::function<bool(const std::string& family)>;
    // Attaches the bitmap of a picture entering the list; nullptr means it
    // cannot be loaded (the loader tells the user) and the picture is left out.
    using PictureLoader = std::function<std::shared_ptr<PictureImage>(const TXPicture& picture)>;
    // The terminated text of a page file, or nothing (the loader tells why).
    using PageLoader = std::function<std::optional<std::string>(const std::string& path)>;

    // Nested <INCLUDE>s deeper than this are refused (a file including
    // itself would never end), and so are more than MaxIncludes in one page
    // (a file including itself several times would branch out for ever).
    static constexpr int MaxIncludeDepth = 16;
    static constexpr int MaxIncludes = 64;

    PageModel();
    ~PageModel();
    PageModel(const PageModel&) = delete;
    PageModel& operator=(const PageModel&) = delete;

    // Parses page text into the current page. With continueFormat the text
    // starts in the format the previous parse left (included files);
    // otherwise in the initial one. Any bytes are safe; the text ends at the
    // first NUL.
    void Parse(std::string_view text, bool continueFormat);

    // Empties the page; definitions, styles, conditions and kept pictures stay.
    void Clear();

    std::string GetDefine(std::string_view name) const;
    void SetDefine(std::string_view name, std::string_view value);
    bool HasCondition(std::string_view name) const;
    void SetCondition(std::string_view name, bool on);

    SpecialCodeEvent OnSpecialCode;
    PictureRequestEvent OnPictureRequest;
    TagErrorEvent OnTagError; // for page authors' tools; the program shows nothing

    // Without a test every font counts as installed.
    void setFontInstalledTest(FontInstalledTest test) { fontInstalled_ = std::move(test); }
    void setPictureLoader(PictureLoader loader) { pictureLoader_ = std::move(loader); }
    // The default reads page files with ReadPage.
    void setPageLoader(PageLoader loader) { pageLoader_ = std::move(loader); }
    // The default is the program's random generator.
    void setRandomSource(RandomSource random) { random_ = std::move(random); }

    // The page control's size; coordinates count from its edges.
    void setPageSize(int width, int height);
    int pageWidth() const { return pageWidth_; }
    int pageHeight() const { return pageHeight_; }

    // The shown page file (XPath and XFile of the page control). Relative
    // names on the page are found in its folder.
    void setCurrentPage(std::string directory, std::string fileName);
    const std::string& currentDirectory() const { return directory_; }
    const std::string& currentFileName() const { return fileName_; }
    std::string currentPagePath() const;

    // True while the text of an exercise file is parsed (condition "#ex").
    void setExerciseActive(bool active) { exerciseActive_ = active; }
    bool exerciseActive() const { return exerciseActive_; }

    const PageContent& page() const { return page_; }
    PageContent& page() { return page_; }
    const tFormatted_text_list& items() const { return page_.items; }
    const std::string& title() const { return page_.title; }
    // The format the last parse ended with.
    const TextFormat& format() const { return state_.format; }

    TXAliasList& definitions() { return definitions_; }
    const TXAliasList& definitions() const { return definitions_; }
    TXAliasList& aliases() { return page_.aliases; }
    const TXAliasList& aliases() const { return page_.aliases; }
    TXStyleList& styles() { return styles_; }
    const TXStyleList& styles() const { return styles_; }
    ConditionList& Bedingung() { return conditions_; }
    const ConditionList& Bedingung() const { return conditions_; }
    tPicture_list& pictures() { return pictures_; }
    const tPicture_list& pictures() const { return pictures_; }

    // A link or file name of this page as a full path.
    std::string ExpandFileName(std::string_view name) const;

    // Page arithmetic: "!+" or "!-" (followed by an optional "@..." part)
    // names the page numbered one after or before the current one. Sets the
    // condition "next" or "prev" when that file exists and gives its path
    // with the "@" part; otherwise clears the condition and gives nothing.
    std::string ResolvePageStep(std::string_view value);

    // A picture by name: "*" keeps it across pages, "$name" is a resource,
    // "%..." an empty entry, anything else a file of this page. Gives its
    // index, or -1 when it cannot be loaded.
    int LoadPicture(std::string_view name);
    // A blank picture for the host to draw into.
    int CreatePicture(int width, int height, std::string name);

    int random(int range) const { return randomBelow(random_, range); }
    const RandomSource& randomSource() const { return random_; }
    bool fontInstalled(const std::string& family) const;

private:
    friend class PageParser;

    // What one parse leaves for the next one that continues its format.
    struct FormatState {
        TextFormat format;
        // Formats saved by opening tags for their closing tags.
        TextFormat fontSlot, headingSlot, linkSlot, teletypeSlot, preSlot;
        enum class Link { None, Normal, Gap, Drag, Hot } link = Link::None;
        bool spacePending = false;
        TextFormat spaceFormat;
        std::string spaceText;
        int pendingTab = 0;
        bool preLineStart = false; // right after <PRE>
    };

    std::optional<std::string> loadPageText(const std::string& path) const;
    int addPicture(TXPicture picture);

    PageContent page_;
    FormatState state_;
    TXAliasList definitions_;
    TXStyleList styles_;
    ConditionList conditions_;
    tPicture_list pictures_;
    int pageWidth_ = 800;
    int pageHeight_ = 572;
    std::string directory_;
    std::string fileName_;
    bool exerciseActive_ = false;
    int includeDepth_ = 0;
    int includesLeft_ = MaxIncludes;   // in the page being parsed
    bool includeRefusalShown_ = false; // said once a page
    FontInstalledTest fontInstalled_;
    PictureLoader pictureLoader_;
    PageLoader pageLoader_;
    RandomSource random_;
};

} // namespace qor
