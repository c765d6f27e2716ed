// Where links lead: loading page files and exercise files, the history,
// and carrying out what a link target asks for (TargetActions.h decides
// which it is).

#include "controls/XLabel.h"
#include "page/model/PageMessages.h"
#include "page/model/PageStream.h"
#include "page/view/TXPage.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "platform/mci/Mci.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <algorithm>

namespace qor {

namespace {

using namespace qor::literals;

bool hasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':';
}

// The page this one is a pop-up child of, if any.
TXPage* parentPage(const TXPage& page) {
    return page.HTMLChild() ? qobject_cast<TXPage*>(page.parentWidget()) : nullptr;
}

} // namespace

std::string TXPage::FullFileName(std::string_view name) const {
    std::string path = model_.ExpandFileName(name);
    if (!path.empty() && path.front() == '*')
        path.erase(0, 1);
    if (!path.empty() && !isAbsolutePath(path) && !hasDrive(path))
        path = programDir_ + path;
    return path;
}

void TXPage::setXPath(std::string dir) {
    model_.setCurrentPage(includeTrailingSeparator(normalizeSeparators(dir)), XFile());
}

bool TXPage::setXFile(const std::string& name) {
    return loadPage(name);
}

bool TXPage::loadPage(const std::string& name) {
    mouseEnabled_ = false;
    if (name.empty()) {
        Clear();
        Render();
        mouseEnabled_ = true;
        return true;
    }
    const std::string path = FullFileName(name);
    if (!fileExists(path)) {
        QCoreApplication::processEvents();
        mouseEnabled_ = true;
        ShowPageError("Die Datei \"" + path + "\" wurde nicht gefunden!");
        return false;
    }
    const bool read =
        pageFileKind(path) == PageFileKind::Exercise ? readExerciseFile(path) : readPageFile(path);
    if (!read) {
        mouseEnabled_ = true;
        return false;
    }
    afterLoad();
    return true;
}

// The page stays as it was when the file cannot be read.
bool TXPage::readPageFile(const std::string& path) {
    THTMLStream stream;
    if (!ReadPage(path, stream))
        return false;
    Clear();
    model_.setCurrentPage(extractFileDir(path), extractFileName(path));
    Parse(stream.bytes(), false);
    Layout();
    return true;
}

// An exercise file opened as a page shows as many exercises as it asks for
// itself; only the exercise command says how many to pick.
bool TXPage::readExerciseFile(const std::string& path) {
    std::optional<ExerciseFile> file = ExerciseFile::load(path);
    if (!file)
        return false;
    exerciseRun_.setRemaining(ExerciseRun::UseFileCount);
    exerciseRun_.start(std::move(*file));
    const std::optional<ExerciseChoice> choice = exerciseRun_.next();
    if (!choice)
        return false;
    model_.setCurrentPage(extractFileDir(path), extractFileName(path));
    parseExercise(*choice);
    return true;
}

void TXPage::afterLoad() {
    const QPointer<TXPage> alive(this);
    if (OnFileChange) {
        OnFileChange();
        if (!alive)
            return;
    }
    scroll_ = 0;
    Render();
    if (!alive)
        return;
    setCursor(Qt::ArrowCursor);
    if (OnBadLink) {
        OnBadLink(FirstBrokenLink());
        if (!alive)
            return;
    }
    // The mouse may stand on a link of the new page already.
    if (lastMouse_.x() >= 0)
        hover(lastMouse_, Qt::NoButton);
    QCoreApplication::processEvents();
    if (alive)
        mouseEnabled_ = true;
}

void TXPage::parseExercise(const ExerciseChoice& choice) {
    Clear();
    connectModel();
    ParseExercise(model_, exerciseRun_.file(), choice);
    Layout();
}

void TXPage::NextExercise() {
    const std::optional<ExerciseChoice> choice = exerciseRun_.next();
    if (!choice)
        return;
    parseExercise(*choice);
    scroll_ = 0;
    Render();
}

std::string TXPage::FirstBrokenLink() const {
    std::vector<std::string> names;
    names.reserve(areas_.entries().size());
    for (const NamedRectangle& entry : areas_.entries())
        names.push_back(areas_.name(entry.nameIndex));
    return FindBrokenLink(
        names, activationContext(), [this](const std::string& name, bool exerciseFile) {
            // The file-name rules read a name starting with
            // "ex" as an exercise command and take its file.
            return !fileExists(FullFileName(exerciseFile ? "ex file=" + name : name));
        });
}

ActivationContext TXPage::activationContext() const {
    ActivationContext context;
    if (!model_.aliases().empty())
        context.alias = [this](std::string_view name) {
            return model_.aliases().get(name);
        };
    const TXPage* parent = parentPage(*this);
    context.rightClickHandler = (parent && parent->OnRightClick) || OnRightClick;
    context.continuationSet = !continuation_.empty();
    return context;
}

void TXPage::ActivateTarget(const std::string& target, const QRect& pageRect) {
    const QPointer<TXPage> alive(this);
    const TargetAction action = DecideTargetAction(target, activationContext());
    runAction(action, pageRect);
    if (action.kind == TargetActionKind::HandOver && !action.rest.empty() && alive)
        runAction(DecideRestAction(action.rest, activationContext()), pageRect);
}

void TXPage::runAction(const TargetAction& action, const QRect& pageRect) {
    switch (action.kind) {
    case TargetActionKind::None:
        break;
    case TargetActionKind::ToggleCheckBox:
        toggleCheckBox(action.text);
        break;
    case TargetActionKind::RightClickWord:
        rightClickWord(action.text);
        break;
    case TargetActionKind::OpenUrl:
        openUrl(action.text);
        break;
    case TargetActionKind::Recorder: {
        const bool record = action.text == "rec";
        // Without a recorder "§rec" is a command like any other.
        if (!hooks().recorderCommand(record) && record)
            handOver(action.text);
        break;
    }
    case TargetActionKind::HandOver:
        handOver(action.text);
        break;
    case TargetActionKind::Note:
        showNote(action.text, pageRect);
        break;
    case TargetActionKind::NextExercise:
        NextExercise();
        break;
    case TargetActionKind::EndApplication:
        QCoreApplication::quit();
        break;
    case TargetActionKind::GoBack:
        GoBack();
        break;
    case TargetActionKind::LoadContinuation:
        loadPage(continuation_);
        break;
    case TargetActionKind::StartExercise:
        startExercise(action.exercise);
        break;
    case TargetActionKind::Navigate:
        navigate(action.text);
        break;
    case TargetActionKind::PlaySound:
        playSound(action.text);
        break;
    }
}

void TXPage::pushCurrentPage(bool unlessLast) {
    const std::string current = model_.currentPagePath();
    if (current.empty() || (unlessLast && !history_.empty() && history_.back() == current))
        return;
    history_.push_back(current);
}

// While the host works on a command, clicks on the page are not taken.
void TXPage::handOver(const std::string& command) {
    mouseEnabled_ = false;
    setCursor(Qt::WaitCursor);
    if (OnCommand) {
        pushCurrentPage(true);
        const QPointer<TXPage> alive(this);
        SendCommand(command);
        if (!alive)
            return;
    }
    mouseEnabled_ = true;
    setCursor(Qt::ArrowCursor);
}

// An unknown name toggles nothing and counts as off.
void TXPage::toggleCheckBox(const std::string& name) {
    TCheckBoxList& boxes = model_.page().checkBoxes;
    const auto box = std::find_if(boxes.begin(), boxes.end(), [&name](const TCheckBox& candidate) {
        return candidate.name == name;
    });
    bool on = false;
    if (box != boxes.end()) {
        box->checked = !box->checked;
        on = box->checked;
        if (!buffer_.isNull()) {
            QPainter painter(&buffer_);
            DrawCheckBox(painter, *box);
        }
        showBufferRect(QRect(box->x, box->y, box->width, box->height));
        const QPointer<TXPage> alive(this);
        hooks().checkBoxToggled(static_cast<int>(box - boxes.begin()));
        if (!alive)
            return;
    }
    model_.SetCondition(name, on);
    SendCommand((on ? "+" : "-") + name);
}

void TXPage::rightClickWord(const std::string& word) {
    TXPage* parent = parentPage(*this);
    if (parent && parent->OnRightClick)
        parent->OnRightClick(*this, QRect(), word);
    else if (OnRightClick)
        OnRightClick(*this, QRect(), word);
}

void TXPage::openUrl(const std::string& url) {
    static DesktopShell desktop;
    ShellServices& shell = shell_ ? *shell_ : desktop;
    if (!shell.openUrl(url))
        ShowPageInformation("Internet-Verbindung konnte nicht geöffnet werden!"_cp);
}

// The same note clicked again while it shows hides it.
void TXPage::showNote(const std::string& text, const QRect& pageRect) {
    const bool same = note_->isVisible() && note_->Caption() == text;
    note_->hide();
    if (same)
        return;
    note_->ShowNote(text, pageRect.translated(0, -scroll_), size());
}

// The history never holds one page twice in a row (a command handed over
// just before may have put it there), so that going back always leaves
// the page. A page that could not be loaded leaves no trace.
void TXPage::navigate(const std::string& target) {
    const std::size_t before = history_.size();
    pushCurrentPage(true);
    const bool pushed = history_.size() > before;
    if (!loadPage(target) && pushed && history_.size() == before + 1)
        history_.pop_back();
}

void TXPage::GoBack() {
    if (history_.empty())
        return;
    const std::string page = std::move(history_.back());
    history_.pop_back();
    loadPage(page);
}

void TXPage::playSound(const std::string& target) {
    const std::string path = FullFileName(target);
    if (!SendMciCommand || !fileExists(path))
        return;
    SendMciCommand("close welle", true);
    if (!IsMciError(SendMciCommand("open \"" + path + "\" alias welle", false)))
        SendMciCommand("play welle from 0", false);
}

void TXPage::startExercise(const ExerciseCommand& command) {
    for (const std::string& message : command.messages)
        ShowPageInformation(message);
    continuation_ = command.continuation;
    pushCurrentPage(false);
    if (extractFileExt(command.file) != ".qor")
        return;
    std::optional<ExerciseFile> file = ExerciseFile::load(FullFileName("ex file=" + command.file));
    if (!file)
        return;
    exerciseRun_.forgetRecentlyUsed();
    exerciseRun_.setRemaining(command.pick);
    exerciseRun_.start(std::move(*file));
    NextExercise();
}

} // namespace qor
