#include "page/exercises/PageEdit.h"

#include "page/exercises/AnswerCheck.h"

#include <QPointer>

namespace qor {

void TPageEdit::CheckAnswer() {
    if (!open_)
        return;
    const AnswerJudgement judgement = JudgeAnswer(Text(), Lsg(), attempts_);
    attempts_ = judgement.attempts;
    // The page's handlers may clear the page, which deletes the field later.
    QPointer<TPageEdit> alive(this);
    switch (judgement.outcome) {
    case AnswerOutcome::Right:
        open_ = false;
        hide();
        fire(OnReturn, this);
        if (alive)
            fire(OnRichtig, this);
        break;
    case AnswerOutcome::Almost:
        setFarbe(judgement.farbe);
        setCaretPosition(judgement.caret);
        fire(OnBeinahe, this);
        break;
    case AnswerOutcome::TryAgain:
        setText({});
        break;
    case AnswerOutcome::FinallyWrong:
        open_ = false;
        hide();
        fire(OnFalsch, this);
        break;
    }
}

} // namespace qor
