#pragma once
// What a page offers the objects placed on it from outside (the exercise
// objects now; labs, bingo and training pages later): what the page shows
// and where layout put it, drawing into the page buffer, controls standing
// on the page, and handing results on. TXPage implements it; objects on a
// page use this and nothing else of the page control.
//
//   void drawMark(PageSurface& page, const QRect& rect) {
//       QPainter(&page.buffer()).fillRect(rect, Qt::red);
//       page.showBufferRect(rect);
//   }

#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "page/view/PageFonts.h"
#include "page/view/PageRenderer.h"
#include "platform/Random.h"

#include <QImage>
#include <QRect>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace qor {

class PageExerciseHooks;

class PageSurface {
public:
    virtual ~PageSurface() = default;

    // The shown page as parsed: its objects' markup and its colours.
    virtual const PageContent& content() const = 0;
    virtual PageFont& fontFor(const TextFormat& format) = 0;
    // Page variables; they outlive the shown page.
    virtual std::string definition(std::string_view name) const = 0;
    virtual void setDefinition(std::string_view name, std::string_view value) = 0;
    // Shuffles and help masks take their random numbers here.
    virtual const RandomSource& randomSource() const = 0;
    // Offered by typing fields, separated by ";".
    virtual const std::string& specialCharacters() const = 0;

    // Where layout and drawing put things (page coordinates).
    // The placeholder of a typing gap, or null when it has none.
    virtual const GapPlacement* gapPlacement(int typingField) const = 0;
    virtual const std::vector<DropTarget>& dropTargets() const = 0;
    virtual const std::vector<DragTrayBlock>& trayBlocks() const = 0;
    // The buffer row shown at the top of the control.
    virtual int scrollPosition() const = 0;

    // The page buffer; after drawing into it, showBufferRect puts the
    // changed rectangle on the screen.
    virtual QImage& buffer() = 0;
    virtual void showBufferRect(const QRect& pageRect) = 0;
    // Makes rect an area that activates target (a name registered before is
    // found again).
    virtual void registerArea(const std::string& target, const PixelRect& rect) = 0;
    // The widget controls on the page are children of (its visibility and
    // focus are the page's).
    virtual QWidget& controlParent() = 0;

    // Handing on, as the page's own links do.
    virtual void sendCommand(const std::string& command) = 0;
    virtual void activateTarget(const std::string& target, const QRect& pageRect) = 0;
    // Loads a page file as the page's links do.
    virtual void openPage(const std::string& name) = 0;
    // The full-page animation (mouse handling waits meanwhile).
    virtual void celebrate(const std::string& text, int milliseconds) = 0;
    // The objects' part in drawing, clearing and mouse handling (null: none).
    virtual void setExerciseHooks(PageExerciseHooks* hooks) = 0;
};

} // namespace qor
