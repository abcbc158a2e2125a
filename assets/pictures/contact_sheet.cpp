// Writes every table picture onto one PNG on a felt-green background: first at ratio 1,
// then at ratio 2 shown pixel for pixel (twice as large).
// Usage: tess-contact-sheet [output.png]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>

#include "assets/pictures/pictures.h"

namespace pics = tess::pictures;

namespace {

constexpr int gap = 6;

// Lays pictures out left to right, in rows.
class Sheet {
public:
    Sheet(QPainter& p, int top) : p_(p), y_(top) {}

    void put(QPixmap pixmap) {
        if (pixmap.isNull()) return;
        pixmap.setDevicePixelRatio(1);  // show the real pixels
        p_.drawPixmap(x_, y_, pixmap);
        x_ += pixmap.width() + gap;
        rowHeight_ = std::max(rowHeight_, pixmap.height());
    }
    void newRow() {
        y_ += rowHeight_ + gap;
        x_ = gap;
        rowHeight_ = 0;
    }
    int bottom() const { return y_ + rowHeight_; }

private:
    QPainter& p_;
    int x_ = gap, y_, rowHeight_ = 0;
};

void drawAll(Sheet& s, qreal dpr) {
    for (int block = 0; block < 4; ++block) {
        for (int rank = 1; rank <= 13; ++rank)
            s.put(pics::cardFace(block * 13 + rank, dpr));
        s.newRow();
    }
    s.put(pics::back(dpr));
    for (int i = pics::emptyFoundationIndex; i < pics::cardListSize; ++i)
        s.put(pics::card(i, dpr));
    for (int count : {1, 7, 13})
        s.put(pics::handFan(count, dpr));
    s.newRow();
    s.put(pics::banner(pics::Banner::notPlaying, dpr));
    s.put(pics::banner(pics::Banner::winner, dpr));
    s.put(pics::turnArrow(dpr));
    s.put(pics::eyes(dpr));
    for (bool pressed : {false, true})
        for (auto b : {pics::Button::startGame, pics::Button::done, pics::Button::ok})
            s.put(pics::button(b, pressed, dpr));
    s.newRow();
    for (bool pressed : {false, true}) {
        for (int n = 1; n <= 9; ++n)
            s.put(pics::phraseButton(n, pressed, dpr));
        s.put(pics::musicSymbol(pressed, dpr));
    }
    s.put(pics::highlightFrame({66, 116}, dpr));
    s.put(pics::messagePanel({254, 129}, dpr));
    s.newRow();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("contact_sheet.png");

    QImage sheet(1740, 1840, QImage::Format_ARGB32);
    sheet.fill(QColor(0x1d, 0x6b, 0x3a));
    {
        QPainter p(&sheet);
        Sheet one(p, gap);
        drawAll(one, 1);
        Sheet two(p, one.bottom() + 3 * gap);
        drawAll(two, 2);
    }
    if (!sheet.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("wrote %s\n", qPrintable(out));
    return 0;
}
