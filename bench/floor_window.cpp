// The floor for the first window: a bare Qt Widgets window with a rich-text view and 40
// labels, as small as a window of that kind can be. Runs until it is killed.
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBrowser>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto* row = new QHBoxLayout(&window);
    auto* labels = new QGridLayout;
    for (int i = 0; i < 40; ++i)
        labels->addWidget(new QLabel(QStringLiteral("Label %1").arg(i)), i / 4, i % 4);
    row->addLayout(labels);
    auto* text = new QTextBrowser;
    text->setHtml(QStringLiteral("<b>Loading</b> the floor window."));
    row->addWidget(text);
    window.resize(767, 529);
    window.show();
    return QApplication::exec();
}
