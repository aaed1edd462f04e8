#include "charthistory.h"

#include "charts/chartediting.h"

#include <QUndoStack>

namespace {

constexpr int UNDO_LIMIT = 200;

} // namespace

// One step: the states before and after a user action.
class ChartEditCommand : public QUndoCommand
{
public:
    ChartEditCommand(ChartHistory &history, std::shared_ptr<const ChartHistory::State> before,
                     std::shared_ptr<const ChartHistory::State> after, std::vector<int> undoSelection,
                     const QString &text, int mergeKey)
        : QUndoCommand(text)
        , m_history(history)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_undoSelection(std::move(undoSelection))
        , m_mergeKey(mergeKey)
    {
    }

    // The first redo comes from the push: the action is already done.
    void redo() override
    {
        if (m_done)
            m_history.restore(m_after, m_after->selection);
        m_done = true;
    }
    void undo() override { m_history.restore(m_before, m_undoSelection); }
    int id() const override { return m_mergeKey; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const ChartEditCommand *>(other);
        if (next->m_after->selection != m_after->selection)
            return false;
        m_after = next->m_after;
        return true;
    }

private:
    ChartHistory &m_history;
    std::shared_ptr<const ChartHistory::State> m_before;
    std::shared_ptr<const ChartHistory::State> m_after;
    const std::vector<int> m_undoSelection;
    const int m_mergeKey;
    bool m_done = false;
};

ChartHistory::ChartHistory(ChartDocument &document, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_stack(new QUndoStack(this))
{
    m_stack->setUndoLimit(UNDO_LIMIT);
    connect(m_stack, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
    reset();
}

ChartHistory::~ChartHistory() = default;

std::shared_ptr<const ChartHistory::State> ChartHistory::snapshot(const std::vector<int> &selection) const
{
    auto state = std::make_shared<State>(State{copyDocument(m_document), selection});
    return state;
}

void ChartHistory::reset()
{
    m_stack->clear(); // clean again: cleanChanged tells who listens
    m_current = snapshot({});
}

void ChartHistory::record(const QString &text, const std::vector<int> &selection, int mergeKey,
                          const std::vector<int> *selectedBefore)
{
    std::shared_ptr<const State> before = m_current;
    m_current = snapshot(selection);
    std::vector<int> undoSelection = selectedBefore ? *selectedBefore : selection;
    m_stack->push(new ChartEditCommand(*this, before, m_current, std::move(undoSelection), text, mergeKey));
}

void ChartHistory::markSaved()
{
    m_stack->setClean();
}

bool ChartHistory::isModified() const
{
    return !m_stack->isClean();
}

void ChartHistory::restore(const std::shared_ptr<const State> &state, const std::vector<int> &selection)
{
    // The view's zoom and the file the document goes to are not edits.
    const double zoom = m_document.zoom;
    const QString fileName = m_document.fileName;
    m_document = copyDocument(state->document);
    m_document.zoom = zoom;
    m_document.fileName = fileName;
    m_current = state;
    m_restoredSelection = selection;
    emit restored();
}
