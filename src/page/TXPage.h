#pragma once
// The page control: shows a page of the program's markup. It owns the page
// model, lays the parsed page out, draws it once into an off-screen page
// buffer and paints by copying the visible part of that buffer from the
// scroll position down. What drawing registers for interaction (the
// interactive areas with their hover images, the word list, the fields of
// typing gaps, the drop targets and the drag tray) is kept here for the
// mouse and keyboard handling and the exercise objects.
//
//   TXPage page;
//   page.resize(800, 572);
//   page.ShowText(text);        // clear, parse, lay out, draw
//   page.buffer().save("page.png");

#include "page/LomoBox.h"
#include "page/NamedRectangles.h"
#include "page/PageExerciseHooks.h"
#include "page/PageFonts.h"
#include "page/PageLayout.h"
#include "page/PageModel.h"
#include "page/PageRenderer.h"
#include "page/WordList.h"

#include <QImage>
#include <QMovie>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace qor {

class TXPage : public QWidget {
    Q_OBJECT

public:
    explicit TXPage(QWidget* parent = nullptr);
    ~TXPage() override;

    PageModel& model() { return model_; }
    const PageModel& model() const { return model_; }

    // Events; the page is always the sender.
    // At the start of every drawing, with the page title.
    std::function<void(const std::string& title)> OnTitleChange;
    // Command strings for the host (here: the ONSHOW command after drawing).
    std::function<void(const std::string& command)> OnCommand;
    // Live values of "$[name]" and "?code" conditions: replace code by the value.
    std::function<void(std::string& code)> OnSpecialCode;
    // A picture "%WxH=code": the host draws into the blank bitmap.
    std::function<void(const std::string& code, QImage& bitmap)> OnPictureRequest;
    // Sends a multimedia command without reporting errors ("close welle"
    // when the page is cleared).
    std::function<void(const std::string& command)> SendMciCommand;

    // The exercise objects' part in drawing and clearing (not owned; null:
    // none).
    void setExerciseHooks(PageExerciseHooks* hooks);

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

    int scrollPosition() const { return scroll_; }
    int contentHeight() const { return layout_.contentHeight; }
    // The scroll bar shows when the content is higher than the control or
    // a scroll position is set; it scrolls over this range.
    bool scrollBarVisible() const;
    int scrollRange() const;
    bool animating() const { return animating_; }

    // The page buffer (page coordinates; the screen shows it from the
    // scroll position down).
    const QImage& buffer() const { return buffer_; }
    QImage& buffer() { return buffer_; }
    // Repaints the part of the screen that shows this buffer rectangle.
    void showBufferRect(const QRect& pageRect);

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

private:
    class Measurer;

    void drawPage();
    void startAnimations();
    void startMosaic();
    void mosaicTick();
    PageExerciseHooks& hooks();

    PageModel model_;
    PageFonts fonts_;
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
    int scroll_ = 0;
    bool laidOut_ = false;
    bool animating_ = false;
    const QImage* overlay_ = nullptr; // shown instead of the buffer while animating
};

} // namespace qor
