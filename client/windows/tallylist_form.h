// The tally list window (View > View Tally). It exists for the whole run: the tally file
// is read when it is created and written when it is destroyed. Questions are asked in
// boxes that do not block the event loop, so the table keeps running while one is open.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "records/tally.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tess {

class Ttallylist : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize clientSize{475, 347};

    // Shows one line of text to the user (the program's one-line message box).
    using Report = std::function<void(const QString&)>;

    // Reads the tally file at `path` (empty: tallyFilePath()). A file that cannot be read
    // is reported once through `report` when the event loop next runs, and is moved aside
    // to a name ending in ".bad" so that the save at exit does not write over it.
    // `parent` is the main window, which the window is centred on.
    explicit Ttallylist(QString path = {}, Report report = {}, QWidget* parent = nullptr);
    // Writes the tally file.
    ~Ttallylist() override;

    // View > View Tally: lists the players now at the table and shows the window.
    void ViewTally1Click(const TallySeats& seats);
    // A finished game: `winner` is "addtomine" when the user won, else the winner's name
    // as the seat shows it. Counts nothing when the user has no seat.
    void addgame(const std::string& winner, const TallySeats& seats);
    // Rebuilds "Players In Current Game".
    void loadchecklist(const TallySeats& seats);
    // Writes the table to the tally file now; false (and logged) when it could not be
    // written, the file on disk then being as it was. The first failure is reported.
    // Every change is saved at once (a count, following, unfollowing, a reset), so a
    // failure is told while the user is there, and saved again at exit.
    bool saveTable();

    const Tally& tally() const { return tally_; }
    const QString& path() const { return path_; }
    // The error text of the read at creation; empty when it went well.
    const QString& loadError() const { return loadError_; }
    // Where an unreadable file was moved; empty when none was.
    const QString& movedAsideTo() const { return movedAside_; }

    QListWidget* checklist() const { return checklist_; }
    QListWidget* listbox_tally() const { return listboxTally_; }
    QPushButton* button_reset() const { return reset_; }
    QPushButton* button_done() const { return done_; }
    QLabel* totalGamesFigure() const { return ownFigures_[0]; }
    QLabel* yourWinsFigure() const { return ownFigures_[1]; }
    QLabel* heading() const { return heading_; }
    QLabel* rowTitle() const { return rowTitle_; }
    // Detail figures: index 0-3 the "Total" column, 4-7 the "Session" column.
    QLabel* detailFigure(int index) const { return detailFigures_[index]; }
    // The Yes/No box waiting for an answer, if any.
    QMessageBox* question() const { return question_; }

private:
    void buildOwnPanel();
    void buildDetailPanel();
    void buildLists();
    void readFile();
    void moveAside();
    void showOwnTotals();
    void clearDetail();
    void ask(const QString& text, std::function<void(bool yes)> answered);

    void checklistClickCheck(QListWidgetItem* item);
    void listbox_tallyClickCheck(QListWidgetItem* item);
    void listbox_tallyClick();
    void button_resetClick();
    void setChecklistChecks(const std::string& name, bool checked);
    void addTallyEntry(const std::string& name);

    QString path_;
    Report report_;
    QString loadError_;
    QString movedAside_;
    bool keepFile_ = false;  // an unreadable file could not be moved aside
    bool saveFailureTold_ = false;
    Tally tally_;
    bool updating_ = false;  // check marks being set by the window itself

    std::array<QLabel*, 2> ownFigures_{};
    QLabel* heading_ = nullptr;
    QLabel* rowTitle_ = nullptr;
    std::array<QLabel*, 8> detailFigures_{};
    QListWidget* checklist_ = nullptr;
    QListWidget* listboxTally_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* done_ = nullptr;
    QPointer<QMessageBox> question_;
};

}  // namespace tess
