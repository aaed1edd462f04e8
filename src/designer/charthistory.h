#pragma once

// The designer's undo history. Every user action that changes the chart
// document (adding, deleting, moving, resizing, turning, restacking,
// property edits, pages, blocks, background) ends by recording one step;
// a step holds the document as it was before the action and as it is
// after it, so undoing and redoing a step puts back exactly what the file
// would have held. Documents are deep copies whose pictures are shared, so
// a step costs little beyond the items themselves.
//
//   editor acts on the document -> history.record("Move", selection)
//   Ctrl+Z -> the stack undoes a step -> the document becomes the step's
//             "before" -> restored() -> the designer shows it again
//
// Consecutive steps with the same merge key and selection (nudges with the
// arrow keys) become one. The stack's clean state is the saved state:
// undoing back to it leaves nothing modified.

#include "charts/chartdocument.h"

#include <QObject>

#include <memory>
#include <vector>

class QUndoStack;

class ChartHistory : public QObject
{
    Q_OBJECT
public:
    // Merge keys: steps that fold into the one before them.
    static constexpr int NO_MERGE = -1;
    static constexpr int MERGE_NUDGE = 1;

    explicit ChartHistory(ChartDocument &document, QObject *parent = nullptr);
    ~ChartHistory() override;

    QUndoStack *stack() const { return m_stack; }

    // The document as it is now becomes the start: no steps, not modified.
    void reset();
    // Records what changed since the last step (or the start) as one step
    // named text; selection is the indexes of the selected elements on the
    // current page after the action, given back when the step is redone.
    // Undoing gives back selectedBefore: what the action acted on (the
    // deleted elements, say); by default the selection after it.
    void record(const QString &text, const std::vector<int> &selection, int mergeKey = NO_MERGE,
                const std::vector<int> *selectedBefore = nullptr);
    // The document was saved: this is the state "not modified" returns to.
    void markSaved();
    bool isModified() const;

    // The selection of the state last restored by an undo or redo.
    const std::vector<int> &restoredSelection() const { return m_restoredSelection; }

    // One state of the document.
    struct State
    {
        ChartDocument document;
        std::vector<int> selection;
    };

signals:
    // An undo or redo replaced the document's pages and blocks (pointers
    // into the old ones are gone).
    void restored();
    // Modified or not, as the stack's clean state changes.
    void modifiedChanged(bool modified);

private:
    friend class ChartEditCommand;
    void restore(const std::shared_ptr<const State> &state, const std::vector<int> &selection);
    std::shared_ptr<const State> snapshot(const std::vector<int> &selection) const;

    ChartDocument &m_document;
    QUndoStack *m_stack;
    std::shared_ptr<const State> m_current;
    std::vector<int> m_restoredSelection;
};
