#include "social/chat_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFrame>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include "social/message_box.h"

namespace tess {

namespace {

// A smiley of the menu, drawn when the menu first shows it rather than at start: eighteen
// pictures nobody may ever open.
class SmileyIconEngine : public QIconEngine {
public:
    explicit SmileyIconEngine(int index) : index_(index) {}
    QIconEngine* clone() const override { return new SmileyIconEngine(index_); }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        QSizeF fitted(17, 16);
        fitted.scale(QSizeF(rect.size()), Qt::KeepAspectRatio);
        const QImage image = ChatView::smileyImage(index_, fitted.height() / 16);
        QRectF target(QPointF(), fitted);
        target.moveCenter(QRectF(rect).center());
        painter->drawImage(target, image, QRectF(image.rect()));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (drawn_.size() != size) {
            drawn_ = QPixmap(size);
            drawn_.fill(Qt::transparent);
            QPainter painter(&drawn_);
            paint(&painter, QRect(QPoint(), size), mode, state);
        }
        return drawn_;
    }

private:
    int index_;
    QPixmap drawn_;
};

}  // namespace

ChatPanel::ChatPanel(QWidget* parent)
    : QWidget(parent),
      panel_mainchat(new QFrame(this)),
      mainchat(new ChatView(panel_mainchat)),
      mychat(new QLineEdit(this)),
      button_smilies(new QToolButton(this)) {
    resize(767 - origin.x(), 529 - origin.y());
    placeChildren();
    panel_mainchat->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* frame = new QVBoxLayout(panel_mainchat);
    frame->setContentsMargins(2, 2, 2, 2);
    frame->addWidget(mainchat);
    mainchat->setObjectName(QStringLiteral("mainchat"));
    mainchat->setAccessibleName(tr("Chat"));
    mainchat->setContextMenuPolicy(Qt::CustomContextMenu);
    mainchat->installEventFilter(this);  // Ctrl+C copies as the menu's Copy does
    connect(mainchat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_mainchat.popup(mainchat->mapToGlobal(at)); });
    connect(mainchat, &ChatView::linkClicked, this, &ChatPanel::mainchatJump);

    mychat->setObjectName(QStringLiteral("mychat"));
    mychat->setAccessibleName(tr("Chat input"));
    mychat->setFrame(false);
    mychat->setMaxLength(static_cast<int>(maxChatInput));
    mychat->setText(shownPlaceholder());
    mychat->setContextMenuPolicy(Qt::CustomContextMenu);
    mychat->installEventFilter(this);
    connect(mychat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_mychat.popup(mychat->mapToGlobal(at)); });
    setChatColour(clBlack);

    button_smilies->setObjectName(QStringLiteral("button_smilies"));
    button_smilies->setIcon(QPixmap::fromImage(ChatView::smileyImage(0, devicePixelRatioF())));
    button_smilies->setAutoRaise(true);
    button_smilies->setToolTip(tr("Smilies"));
    button_smilies->setAccessibleName(tr("Smilies"));
    connect(button_smilies, &QToolButton::clicked, this, &ChatPanel::button_smiliesClick);

    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    buildMenus();
}

void ChatPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChildren();
}

// At the panel's first size (290 x 457) the view is 278 x 427, the input 247 x 22 at
// 1, 428 and the smilies button 27 x 21 at 252, 429; a larger panel widens the view
// and the input and keeps the button at the bottom right.
void ChatPanel::placeChildren() {
    const int w = width(), h = height();
    const int inputHeight = qRound(22 * scale_);
    const QSize button(qRound(27 * scale_), qRound(21 * scale_));
    const int buttonLeft = w - 11 - button.width();
    panel_mainchat->setGeometry(0, 0, w - 12, h - 8 - inputHeight);
    mychat->setGeometry(1, h - 7 - inputHeight, buttonLeft - 5, inputHeight);
    button_smilies->setGeometry(QRect(QPoint(buttonLeft, h - 7 - button.height()), button));
}

void ChatPanel::setScale(qreal scale) {
    if (scale == scale_) return;
    scale_ = scale;
    // At scale 1 the input takes its font from the window again.
    QFont font;
    if (scale_ != 1) {
        font = QApplication::font(mychat);
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * scale_);
        else
            font.setPixelSize(qRound(font.pixelSize() * scale_));
    }
    mychat->setFont(font);
    mainchat->setScale(scale_);
    // Drawn at the larger size, then told it is that large on this screen.
    QImage smiley = ChatView::smileyImage(0, devicePixelRatioF() * scale_);
    smiley.setDevicePixelRatio(devicePixelRatioF());
    button_smilies->setIconSize(smiley.deviceIndependentSize().toSize());
    button_smilies->setIcon(QPixmap::fromImage(smiley));
    placeChildren();
}

void ChatPanel::buildMenus() {
    popup_mainchat.addAction(tr("Select All"), this, [this] {
        mainchat->selectAll();
        mainchat->viewport()->update();
    });
    // The shortcuts are shown here; the window's own items carry the key bindings.
    popup_mainchat.addAction(tr("Copy") + QStringLiteral("\t") + tr("Ctrl+C"), this,
                             &ChatPanel::Copy1Click);
    popup_mainchat.addAction(tr("Clear Main Chat"), this, &ChatPanel::ClearMainChat1Click);
    popup_mainchat.addSeparator();
    ScrollChatOff1 =
        popup_mainchat.addAction(tr("Scroll Chat Off") + QStringLiteral("\t") + tr("Ctrl+S"));
    ScrollChatOff1->setObjectName(QStringLiteral("ScrollChatOff1"));
    ScrollChatOff1->setCheckable(true);
    connect(ScrollChatOff1, &QAction::triggered, this, [this] {
        // The item checks itself; the click inverts the switch exactly once.
        ScrollChatOff1->setChecked(!ScrollChatOff1->isChecked());
        ScrollChatOff1Click();
    });

    popup_mychat.addAction(tr("Paste") + QStringLiteral("\t") + tr("Ctrl+V"), this,
                           &ChatPanel::Paste1Click);

    for (int i = 0; i < smileyCount; ++i) {
        QAction* item = popup_smilies.addAction(QIcon(new SmileyIconEngine(i)),
                                                QStringLiteral(":)#%1").arg(10 + i));
        connect(item, &QAction::triggered, this, [this, i] { N271Click(10 + i); });
    }
}

// A line longer than any honest one is shown in part, so that laying it out cannot hold
// up the window.
void ChatPanel::addlinetochat(std::string_view line, ColourValue colour) {
    const std::string_view shown = shownPart(line);
    ChatLineLayout layout = layoutChatLine(shown, links_);
    if (shown.size() < line.size())
        layout.items.push_back({ChatItem::Kind::text, std::string(cutMark), layout.style});
    mainchat->addLine(layout, colour);
}

void ChatPanel::chatrecieved(std::string_view data) {
    const ReceivedChat chat = splitReceivedChat(data);
    addlinetochat(chat.line, chat.colour);
}

void ChatPanel::sendit() {
    if (!connected_) return;
    const std::string text = mychat->text().toStdString();
    if (const auto line = chatMessage(text, mySlot_, colourToText(colour_))) emit lineReady(*line);
    mychat->clear();
}

void ChatPanel::setChatColour(ColourValue colour) {
    colour_ = colour;
    QPalette p = mychat->palette();
    p.setColor(QPalette::Base, ChatView::background);
    p.setColor(QPalette::Text, toQColor(colour));
    mychat->setPalette(p);
}

void ChatPanel::ScrollChatOff1Click() {
    const bool off = !mainchat->scrollOff();
    mainchat->setScrollOff(off);
    ScrollChatOff1->setChecked(off);
    emit scrollOffChanged(off);
}

void ChatPanel::Copy1Click() {
    const QString selected = mainchat->textCursor().selection().toPlainText();
    if (selected.isEmpty()) return;
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setText(selected);
}

void ChatPanel::ClearMainChat1Click() {
    mainchat->clearChat();
    mychat->setFocus();
}

// The link's own text is stored with its item, so the click opens what was clicked.
void ChatPanel::mainchatJump(const QString& linkText) {
    if (isInvitationLink(linkText.trimmed().toStdString())) {
        emit invitationClicked(linkText.trimmed());
        return;
    }
    const auto address = linkAddress(linkText.trimmed().toStdString());
    if (!address) {
        showMessage(window(), tr("Cannot open Webpage"));
        return;
    }
    openUrl(QUrl(QString::fromStdString(*address)));
}

void ChatPanel::button_smiliesClick() {
    popup_smilies.popup(button_smilies->mapToGlobal(button_smilies->rect().bottomRight()));
}

void ChatPanel::N271Click(int number) {
    if (mychat->text() == shownPlaceholder()) mychat->clear();
    mychat->setText(mychat->text() + QStringLiteral(":)#%1").arg(number));
    mychat->deselect();
    mychat->end(false);
}

void ChatPanel::Paste1Click() {
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty()) mychat->setText(mychat->text() + text);
    mychat->deselect();
    mychat->end(false);
}

bool ChatPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainchat && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        Copy1Click();
        return true;
    }
    if (watched == mychat && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (mychat->text() == shownPlaceholder()) mychat->clear();
        if (key->matches(QKeySequence::Paste)) {  // pasted text always goes to the end
            Paste1Click();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            sendit();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tess
