#pragma once
// The page control: shows a page of the program's markup. It owns the page
// model, lays the parsed page out, draws it once into an off-screen page
// buffer and paints by copying the visible part of that buffer from the
// scroll position down. What drawing registers for interaction (the
// interactive areas with their hover images, the word list, the fields of
// typing gaps, the drop targets and the drag tray) is kept here for the
// mouse and keyboard handling and the exercise objects.
//
// The page is also what the user works with: links highlight under the
// mouse and are activated on button release (PageInteraction.cpp), targets
// load pages, hand commands to the host, show notes, play sounds and run
// exercise files (PageNavigation.cpp).
//
//   TXPage page;
//   page.resize(800, 572);
//   page.OnCommand = [](const std::string& command) { ... };
//   page.setXFile("/…/hqor/main.htx");   // load, draw, report
//   page.ShowText(text);                 // clear, parse, lay out, draw

#include "controls/ControlEvents.h"
#include "page/layout/PageLayout.h"
#include "page/layout/TargetActions.h"
#include "page/layout/WordList.h"
#include "page/model/ExerciseFile.h"
#include "page/model/PageModel.h"
#include "page/view/LomoBox.h"
#include "page/view/NamedRectangles.h"
#include "page/view/PageExerciseHooks.h"
#include "page/view/PageFonts.h"
#include "page/view/PageRenderer.h"
#include "page/view/PageSurface.h"
#include "page/view/ShapeImages.h"

#include <QImage>
#include <QMenu>
#include <QMovie>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QScrollBar;

namespace qor {

class PageHintWindow;
class ShellServices;
class TXLabel;

class TXPage : public QWidget, public PageSurface {
    Q_OBJECT

public:
    explicit TXPage(QWidget* parent = nullptr);
    ~TXPage() override;

    PageModel& model() { return model_; }
    const PageModel& model() const { return model_; }

    // Events; the page is the sender (OnRightClick names it, since a child
    // page hands its "?word" links to its parent's handler).
    // A page file was loaded and parsed, before it is drawn.
    std::function<void()> OnFileChange;
    // At the start of every drawing, with the page title.
    std::function<void(const std::string& title)> OnTitleChange;
    // After each load: the first link to a missing file, or an empty string.
    std::function<void(const std::string& badLink)> OnBadLink;
    // Command strings for the host: "§" links, check boxes, the exercise
    // objects' results, the ONSHOW command after drawing. A failure inside
    // the handler is swallowed.
    std::function<void(const std::string& command)> OnCommand;
    // The link under the mouse changed (empty: none).
    std::function<void(const std::string& anker)> OnAnkerChange;
    // The hint under the mouse changed; when set, the page shows no hint
    // window of its own.
    std::function<void(const std::string& text)> OnHintChange;
    // A right click on a word (its rectangle on the control) or a "?word"
    // link (an empty rectangle).
    std::function<void(TXPage& sender, const QRect& rect, const std::string& text)> OnRightClick;
    // Live values of "$[name]" and "?code" conditions: replace code by the value.
    std::function<void(std::string& code)> OnSpecialCode;
    // A picture "%WxH=code": the host draws into the blank bitmap.
    std::function<void(const std::string& code, QImage& bitmap)> OnPictureRequest;
    // The usual control events.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown; // a handler may swallow the key by setting it to 0
    TMouseEvent OnMouseDown;

    // Services, replaceable for tests and tools.
    // Sends a multimedia command and gives the answer; quiet commands
    // report no error ("close welle" when the page is cleared). Default:
    // SendPageMci.
    std::function<std::string(const std::string& command, bool quiet)> SendMciCommand;
    // Plays a hover sound to its end. Default: PlaySoundSync.
    std::function<bool(const std::string& path)> PlayHoverSound;
    // Opens "http://" links (default: the desktop's browser). Not owned.
    void setShell(ShellServices* shell) { shell_ = shell; }
    // Names that are still relative after the page folder was put in front
    // are found here (the program's folder, ending in '/'). Default: the
    // folder of the executable.
    void setProgramDir(std::string dir) { programDir_ = std::move(dir); }

    // Published properties.
    // The folder of the shown page (ending in '/') and its file name.
    const std::string& XPath() const { return model_.currentDirectory(); }
    void setXPath(std::string dir);
    const std::string& XFile() const { return model_.currentFileName(); }
    // Loads a page file (relative names are found in XPath): reads it,
    // draws it and raises OnFileChange, OnTitleChange, OnBadLink. An empty
    // name clears the page. False when the file is missing or unreadable
    // (the user was told; the shown page stays).
    bool setXFile(const std::string& name);
    // Whether a page's WAIT jump may happen (default on).
    bool AutoJump() const { return autoJump_; }
    void setAutoJump(bool on);
    // A pop-up child of the page it sits on: a left click beside its links
    // hides it, and its "?word" links go to the parent's OnRightClick.
    bool HTMLChild() const { return htmlChild_; }
    void setHTMLChild(bool on) { htmlChild_ = on; }
    // Special characters offered by the typing fields, separated by ";".
    // The page's background and text colours; every page load resets them
    // to white and black, so a host sets them for what it shows before one.
    Color ColorBGR() const { return model_.page().colors.background; }
    void setColorBGR(Color color);
    Color ColorTXT() const { return model_.page().colors.text; }
    void setColorTXT(Color color);

    const std::string& Sonderzeichen() const { return sonderzeichen_; }
    void setSonderzeichen(std::string characters) { sonderzeichen_ = std::move(characters); }
    // Opened by a right click where there is neither a word nor a
    // right-button target. Not owned.
    QMenu* PopUpMenu() const { return popUpMenu_; }
    void setPopUpMenu(QMenu* menu) { popUpMenu_ = menu; }
    // A control shown over the page until the next left click on it (a
    // child page, for instance); forgotten when the page is cleared.
    void setPopUpControl(QWidget* control) { popUp_ = control; }

    // Page variables and conditions; they outlive the shown page.
    std::string GetDefine(std::string_view name) const { return model_.GetDefine(name); }
    void SetDefine(std::string_view name, std::string_view value) { model_.SetDefine(name, value); }
    ConditionList& Bedingung() { return model_.Bedingung(); }
    void SetCondition(std::string_view name, bool on) { model_.SetCondition(name, on); }

    // The exercise objects' part in drawing and clearing (not owned; null:
    // none).
    void setExerciseHooks(PageExerciseHooks* hooks) override;

    // Parses text into the page, continuing the format of the previous
    // parse when asked (included files).
    void Parse(std::string_view text, bool continueFormat);
    // Measures and places all items of the page.
    void Layout();
    // Draws the whole page into the buffer and shows it: title event,
    // drawing, the ONSHOW command, the recorder, the page's controls.
    void Render();
    // Clears the page, parses text as it is, lays it out and draws it.
    void ShowText(std::string_view text);
    // Empties the page; definitions, styles, conditions and kept pictures stay.
    void Clear();
    // Shows the page from this buffer row down (kept within the range).
    void Scroll(int position);
    // The full-page animation of exercises ("Unglaublich!", 2000 ms); mouse
    // handling is suspended while it runs (animating()).
    void Celebrate(const std::string& text, int milliseconds);

    // Activates a link target as a click on it does, with the rectangle
    // (page coordinates) of the area it came from; an empty rectangle for
    // targets without one (Enter, click and WAIT targets).
    void ActivateTarget(const std::string& target, const QRect& pageRect = {});
    // The page shown before the last navigation or command, if any.
    void GoBack();
    const std::vector<std::string>& History() const { return history_; }
    // Shows another exercise of the exercise file loaded last.
    void NextExercise();
    ExerciseRun& exerciseRun() { return exerciseRun_; }
    // Where "+" leads after an exercise run ("WEITER=").
    const std::string& continuationTarget() const { return continuation_; }
    // Raises OnCommand; a failure inside the handler is swallowed.
    void SendCommand(const std::string& command);
    // The full path of a page or sound name as a link gives it.
    std::string FullFileName(std::string_view name) const;
    // The first broken link of the shown page (see OnBadLink).
    std::string FirstBrokenLink() const;

    // Mouse messages are discarded while a page loads or a command is handed over.
    bool mouseEnabled() const { return mouseEnabled_; }
    TXLabel& noteLabel() { return *note_; }
    PageHintWindow& hintWindow() { return *hintWindow_; }
    QScrollBar& scrollBar() { return *scrollBar_; }

    int scrollPosition() const override { return scroll_; }
    int contentHeight() const { return layout_.contentHeight; }
    // The scroll bar shows when the content is higher than the control or
    // a scroll position is set; it scrolls over this range.
    bool scrollBarVisible() const;
    int scrollRange() const;
    bool animating() const { return animating_; }

    // The page buffer (page coordinates; the screen shows it from the
    // scroll position down).
    const QImage& buffer() const { return buffer_; }
    QImage& buffer() override { return buffer_; }
    // Repaints the part of the screen that shows this buffer rectangle.
    void showBufferRect(const QRect& pageRect) override;

    tNamed_rectangle_list& areas() { return areas_; }
    const tNamed_rectangle_list& areas() const { return areas_; }
    TWordList& words() { return words_; }
    const PageLayoutResult& layoutResult() const { return layout_; }
    const PageDrawing& drawing() const { return drawing_; }
    PageDrawing& drawing() { return drawing_; }
    PageFonts& fonts() { return fonts_; }
    // The bitmap of a picture of the page, or null.
    QImage* pictureBitmap(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    class Measurer;

    // PageSurface, for the objects on the page.
    const PageContent& content() const override { return model_.page(); }
    PageFont& fontFor(const TextFormat& format) override { return fonts_.fontFor(format); }
    std::string definition(std::string_view name) const override { return GetDefine(name); }
    void setDefinition(std::string_view name, std::string_view value) override {
        SetDefine(name, value);
    }
    const RandomSource& randomSource() const override { return model_.randomSource(); }
    const std::string& specialCharacters() const override { return sonderzeichen_; }
    const GapPlacement* gapPlacement(int typingField) const override;
    const std::vector<DropTarget>& dropTargets() const override { return layout_.dropTargets; }
    const std::vector<DragTrayBlock>& trayBlocks() const override { return drawing_.trayBlocks; }
    void registerArea(const std::string& target, const PixelRect& rect) override;
    QWidget& controlParent() override { return *this; }
    void sendCommand(const std::string& command) override { SendCommand(command); }
    void activateTarget(const std::string& target, const QRect& pageRect) override {
        ActivateTarget(target, pageRect);
    }
    void openPage(const std::string& name) override { setXFile(name); }
    void celebrate(const std::string& text, int milliseconds) override {
        Celebrate(text, milliseconds);
    }

    // PageInteraction.cpp
    void hover(QPoint at, Qt::MouseButtons buttons);
    void highlight(int entry);
    void showHint(const std::string& target, const std::string& hint);
    void buttonDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
    void leftButtonDown(QPoint pagePoint);
    void rightButtonDown(QPoint at, QPoint pagePoint);
    void buttonUp(Qt::MouseButton button, QPoint pagePoint);
    std::string resolvedAlias(std::string_view name) const;

    // PageNavigation.cpp
    bool loadPage(const std::string& name);
    bool readPageFile(const std::string& path);
    bool readExerciseFile(const std::string& path);
    void afterLoad();
    void parseExercise(const ExerciseChoice& choice);
    ActivationContext activationContext() const;
    void runAction(const TargetAction& action, const QRect& pageRect);
    void handOver(const std::string& command);
    void toggleCheckBox(const std::string& name);
    void rightClickWord(const std::string& word);
    void openUrl(const std::string& url);
    void showNote(const std::string& text, const QRect& pageRect);
    void navigate(const std::string& target);
    void playSound(const std::string& target);
    void startExercise(const ExerciseCommand& command);
    void pushCurrentPage(bool unlessLast);

    void connectModel();
    void updateScrollBar();
    void startWaitJump();
    void drawPage();
    void startAnimations();
    void startMosaic();
    void mosaicTick();
    PageExerciseHooks& hooks();

    PageModel model_;
    PageFonts fonts_;
    ShapeImages shapes_;
    std::unique_ptr<Measurer> measurer_;
    PageLayoutResult layout_;
    PageDrawing drawing_;
    QImage buffer_;
    tNamed_rectangle_list areas_;
    TWordList words_;
    std::unique_ptr<TLomoBox> mosaic_;
    std::vector<std::unique_ptr<QMovie>> animations_;
    QTimer mosaicTimer_;
    PageExerciseHooks* hooks_ = nullptr;
    ShellServices* shell_ = nullptr; // null: the desktop's
    std::string programDir_;
    TXLabel* note_ = nullptr;              // child widget
    PageHintWindow* hintWindow_ = nullptr; // child window
    QScrollBar* scrollBar_ = nullptr;      // child widget
    QPointer<QMenu> popUpMenu_;
    QPointer<QWidget> popUp_;
    QTimer waitTimer_;

    std::vector<std::string> history_; // full file names, the latest last
    ExerciseRun exerciseRun_;
    std::string continuation_;
    std::string sonderzeichen_;
    bool autoJump_ = true;
    bool htmlChild_ = false;

    bool mouseEnabled_ = true;
    QPoint lastMouse_{-1, -1}; // (-1, -1): not known
    std::string lastTarget_;
    std::string lastHint_;
    std::string lastHintSent_;
    int hoverIndex_ = -1;
    bool leftPressed_ = false; // a left press in the page that may become a click

    int scroll_ = 0;
    bool laidOut_ = false;
    bool animating_ = false;
    const QImage* overlay_ = nullptr; // shown instead of the buffer while animating
};

} // namespace qor
