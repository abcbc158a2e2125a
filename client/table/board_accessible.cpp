#include "client/table/board_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

#include "client/model/table_layout.h"
#include "client/model/table_model.h"
#include "client/table/board_view.h"

namespace tess {

namespace {

using Kind = BoardItem::Kind;

// The pieces in reading order: the board, then the hand from left to right.
std::vector<BoardItem> piecesOf(const BoardView& board) {
    std::vector<BoardItem> items;
    items.push_back({Kind::pile, 0});
    for (int n = 1; n <= 4; ++n)
        items.push_back({Kind::tab, n});
    for (int n = 1; n <= 4; ++n)
        items.push_back({Kind::foundation, n});
    for (int n = 1; n <= board.handSize(); ++n)
        items.push_back({Kind::hand, n});
    return items;
}

class PieceAccessible : public QAccessibleInterface {
public:
    PieceAccessible(BoardView* board, BoardItem item) : board_(board), item_(item) {}
    bool isValid() const override { return board_ && still(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return board_->describe(item_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = board_->scaled(board_->pieceRect(item_));
        return QRect(board_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        return item_.kind == Kind::hand ? QAccessible::ListItem : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused = board_ && board_->hasFocus() && board_->cursor().item() == item_;
        return s;
    }

private:
    bool still() const { return item_.kind != Kind::hand || item_.number <= board_->handSize(); }
    QPointer<BoardView> board_;
    BoardItem item_;
};

class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardView* board)
        : QAccessibleWidget(board, QAccessible::Table), board_(board) {}
    ~BoardAccessible() override {
        for (const auto& [key, id] : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(piecesOf(*board_).size());
    }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) return QAccessibleWidget::child(index);
        const std::vector<BoardItem> pieces = piecesOf(*board_);
        const std::size_t i = static_cast<std::size_t>(index - widgets);
        return i < pieces.size() ? piece(pieces[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int widgets = QAccessibleWidget::childCount();
        const std::vector<BoardItem> pieces = piecesOf(*board_);
        for (std::size_t i = 0; i < pieces.size(); ++i)
            if (piece(pieces[i]) == child) return widgets + static_cast<int>(i);
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    // One interface per piece for the board's life, kept by the accessibility cache.
    QAccessibleInterface* piece(BoardItem item) const {
        const int key = static_cast<int>(item.kind) * 100 + item.number;
        auto it = ids_.find(key);
        if (it == ids_.end())
            it = ids_.emplace(key, QAccessible::registerAccessibleInterface(
                                       new PieceAccessible(board_, item)))
                     .first;
        return QAccessible::accessibleInterface(it->second);
    }

    BoardView* board_;
    mutable std::map<int, QAccessible::Id> ids_;
};

QAccessibleInterface* boardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tess::BoardView") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<BoardView*>(object));
    return nullptr;
}

}  // namespace

void installBoardAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(boardFactory);
}

}  // namespace tess
