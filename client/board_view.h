// The card table drawn on the left of the main window: the felt with its fixed spot
// markers, the seat labels around it and the table's own captions and buttons.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

#include "client/picture_button.h"

namespace tess {

class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize clientSize{767, 529};
    static constexpr QSize boardSize{764, 526};
    static inline const QString waiting = QStringLiteral("<Waiting>");

    explicit BoardView(QWidget* parent = nullptr);

    // Seat n's name label (1-4); its hint is the bot's name for the seat's place.
    QLabel* label_playername(int seat) const { return names_[seat - 1]; }
    QLabel* label_score(int seat) const { return scores_[seat - 1]; }
    QString hint(int seat) const { return hints_[seat - 1]; }
    // Shows a seated player's name with the score beside it.
    void showSeat(int seat, const QString& name);
    void setSeatCaption(int seat, const QString& caption);
    void setEyes(int seat, bool shown);
    bool eyesShown(int seat) const { return eyes_[seat - 1]; }

    PictureButton* button_start() const { return button_start_; }
    QLabel* label_status() const { return label_status_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeScore(int seat);
    QLabel* makeLabel(int left, int top, int pixelSize, const QString& text);

    std::array<QLabel*, 4> names_{};
    std::array<QLabel*, 4> scores_{};
    std::array<QString, 4> hints_{QString(), QStringLiteral("Klot"), QStringLiteral("Klick"),
                                  QStringLiteral("Kling")};
    std::array<bool, 4> eyes_{};
    PictureButton* button_start_;
    QLabel* label_status_;
};

}  // namespace tess
