#include "client/windows/gamestart_form.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "assets/pictures/pictures.h"
#include "widgets/felt_window.h"
#include "widgets/picture_push_button.h"
#include "widgets/up_down.h"
#include "wire/commands.h"
#include "wire/names.h"
#include "wire/requests.h"

namespace tess {

namespace {

constexpr int margin = 12;  // between every caption and the window's edges
constexpr int fieldLeft = 160, scoreTop = 42, turnTop = 74, playersTop = 106;
constexpr QSize fieldSize{41, 28};
constexpr QPoint startAt{61, 165};

QLineEdit* makeField(QWidget* parent, const QString& name, int top) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(QRect(QPoint(fieldLeft, top), fieldSize));
    field->setAlignment(Qt::AlignCenter);
    return field;
}

}  // namespace

Tgamestart::Tgamestart(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("gamestart"));
    setWindowTitle(tr("Tessarine - Game Start"));
    setFixedSize(clientSize);
    useFeltBackground(this, clientSize);  // the main window's background picture

    QLabel* title = addLabel(tr("Game Options"), QRect(0, 8, clientSize.width(), 26), 18);
    title->setAlignment(Qt::AlignCenter);

    const int labelWidth = fieldLeft - 8 - margin;
    addLabel(tr("Play to Score:"), QRect(margin, scoreTop, labelWidth, fieldSize.height()), 13)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    scoreField_ = makeField(this, QStringLiteral("edit_playtoscore"), scoreTop);
    scoreField_->setAccessibleName(tr("Play to Score:"));
    scoreSpin_ = new UpDown(scoreField_, scoreMin, scoreMax, scoreStep, scoreDesign, this);
    scoreSpin_->setObjectName(QStringLiteral("updown_playtoscore"));

    addLabel(tr("Time Per Turn"), QRect(margin, turnTop, labelWidth, fieldSize.height()), 13)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    turnField_ = makeField(this, QStringLiteral("edit_timeperturn"), turnTop);
    turnField_->setAccessibleName(tr("Time Per Turn"));
    turnSpin_ = new UpDown(turnField_, turnMin, turnMax, turnStep, turnDesign, this);
    turnSpin_->setObjectName(QStringLiteral("updown_timeperturn"));
    const int secsLeft = turnSpin_->x() + turnSpin_->width() + 4;
    addLabel(tr("secs"),
             QRect(secsLeft, turnTop, clientSize.width() - margin - secsLeft, fieldSize.height()),
             13)
        ->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    addLabel(tr("Players at the table"), QRect(margin, playersTop, labelWidth, fieldSize.height()),
             13)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    playersField_ = makeField(this, QStringLiteral("edit_tableplayers"), playersTop);
    playersField_->setAccessibleName(tr("Players at the table"));
    playersSpin_ =
        new UpDown(playersField_, playersMin, playersMax, playersStep, playersDesign, this);
    playersSpin_->setObjectName(QStringLiteral("updown_tableplayers"));

    // Typed values are taken within these ranges; the window says so.
    QLabel* ranges = addLabel(tr("Score %1–%2, %3–%4 secs, %5–%6 players.")
                                  .arg(scoreMin)
                                  .arg(scoreMax)
                                  .arg(turnMin)
                                  .arg(turnMax)
                                  .arg(playersMin)
                                  .arg(playersMax),
                              QRect(margin, 138, clientSize.width() - 2 * margin, 22), 11);
    ranges->setObjectName(QStringLiteral("label_ranges"));
    ranges->setAlignment(Qt::AlignCenter);

    start_ =
        new PicturePushButton(pictures::Button::startGame, QStringLiteral("button_start"), this);
    start_->move(startAt);
    connect(start_, &QAbstractButton::clicked, this, &Tgamestart::button_startClick);
}

QLabel* Tgamestart::addLabel(const QString& text, const QRect& where, int pixelSize) {
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    // A caption longer than its place (a long word in another language) is set smaller
    // rather than cut or pushed against the window's edge.
    while (pixelSize > 9 && QFontMetrics(font).horizontalAdvance(text) > where.width())
        font.setPixelSize(--pixelSize);
    label->setFont(font);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    label->setGeometry(where);
    return label;
}

void Tgamestart::showCentred() {
    if (QWidget* owner = parentWidget())
        move(owner->window()->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

int Tgamestart::playToScore() const { return scoreSpin_->value(); }
void Tgamestart::setPlayToScore(int points) { scoreSpin_->setValue(points); }
int Tgamestart::timePerTurn() const { return turnSpin_->value(); }
void Tgamestart::setTimePerTurn(int seconds) { turnSpin_->setValue(seconds); }
int Tgamestart::tablePlayers() const { return playersSpin_->value(); }
void Tgamestart::setTablePlayers(int players) { playersSpin_->setValue(players); }

void Tgamestart::applySettings(const Settings& settings) {
    if (settings.playToScore) setPlayToScore(*settings.playToScore);
    if (settings.timePerTurn) setTimePerTurn(*settings.timePerTurn);
    if (settings.tablePlayers) setTablePlayers(*settings.tablePlayers);
    // Two reads the same whether the key holds it or is missing.
    if (settings.tablePlayers && *settings.tablePlayers != playersDesign) playersInFile_ = true;
}

void Tgamestart::storeSettings(Settings& settings) const {
    settings.playToScore = playToScore();
    settings.timePerTurn = timePerTurn();
    // The usual two players add no key to the shared file; a key once written is kept
    // up to date, or a table of three would come back after choosing two.
    if (tablePlayers() != playersDesign || playersInFile_) {
        settings.tablePlayers = tablePlayers();
        playersInFile_ = true;
    } else {
        settings.tablePlayers.reset();
    }
}

void Tgamestart::button_startClick() {
    for (UpDown* spin : {scoreSpin_, turnSpin_, playersSpin_})
        spin->commitTyped();
    const wire::StartGame request{wire::cleanName(ownName_.toStdString()), playToScore(),
                                  timePerTurn(), tablePlayers()};
    const std::string line = wire::lineOf(request);  // the link adds the terminator
    emit sendLine(line);
    hide();
    if (save_) save_();
}

}  // namespace tess
