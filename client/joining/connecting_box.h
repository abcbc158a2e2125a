// While a join is under way: which table, how long it has taken so far, and Cancel (or
// Esc), which gives the attempt up.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QLabel;

namespace tess {

class ConnectingBox : public QDialog {
    Q_OBJECT
public:
    ConnectingBox(const QString& address, quint16 port, QWidget* parent);

    QString text() const;
    // The table answered, or the attempt ended otherwise: the box goes without a word.
    void finish();

signals:
    // The user gave the attempt up.
    void cancelled();

private:
    void update();

    QString address_;
    quint16 port_;
    QLabel* label_;
    QElapsedTimer since_;
    QTimer tick_;
    bool finished_ = false;
};

}  // namespace tess
