#pragma once

// Helpers of the designer tests: mouse drags with the button held (QTest's
// own mouseMove carries no button), and a question function that records
// what was asked and answers as told.

#include "designer/designerquestion.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>

inline void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &pos, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

// Press at from, move in a few steps to to, release there.
inline void dragMouse(QWidget *widget, const QPoint &from, const QPoint &to)
{
    sendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        sendMouse(widget, QEvent::MouseMove, from + (to - from) * step / 4, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

// Installs itself as the designer's question while it lives: records
// "title|text" of each question and answers as told ("Yes" or "No"; a
// question with "Cancel" gets cancelAnswer when one is given).
class RecordedQuestions
{
public:
    explicit RecordedQuestions(bool answer)
        : RecordedQuestions(answer ? DesignerAnswer::Yes : DesignerAnswer::No)
    {
    }
    explicit RecordedQuestions(DesignerAnswer answer)
    {
        setDesignerQuestion(
            [this, answer](QWidget *, const QString &title, const QString &text, bool withCancel) {
                asked << title + QLatin1Char('|') + text;
                offeredCancel << withCancel;
                return answer;
            });
    }
    ~RecordedQuestions() { setDesignerQuestion({}); }
    RecordedQuestions(const RecordedQuestions &) = delete;
    RecordedQuestions &operator=(const RecordedQuestions &) = delete;

    QStringList asked;
    QList<bool> offeredCancel;
};
