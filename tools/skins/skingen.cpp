// Draws every skin image of the window: dark graphite surfaces, one cyan accent, anti-aliased
// shapes and clear normal / hover / pressed states. Run by the build; writes PNG files named
// after the images into the folder given as the only argument. No text is drawn, so the
// result does not depend on the fonts of the build machine.
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTransform>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const QColor kBase(14, 16, 20);
const QColor kPanel(23, 26, 32);
const QColor kPanelHi(32, 36, 44);
const QColor kEdge(48, 54, 66);
const QColor kAccent(0, 200, 255);
const QColor kAccentDeep(0, 110, 160);
const QColor kText(222, 228, 236);
const QColor kDanger(255, 72, 88);

enum class State { normal, hover, pressed };

QString g_dir;
bool g_ok = true;

QColor alpha(QColor c, int a) {
    c.setAlpha(a);
    return c;
}

void save(const QImage& image, const QString& name) {
    if (!image.save(g_dir + "/" + name + ".png", "PNG")) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(name));
        g_ok = false;
    }
}

// Paints on a transparent image of the given size and saves it.
void draw(const QString& name, int w, int h, const std::function<void(QPainter&)>& paint) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    save(image, name);
}

QPainterPath rounded(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A raised panel with a faint top highlight and a hairline edge.
void panel(QPainter& p, const QRectF& r, qreal radius, const QColor& edge = kEdge) {
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, kPanelHi);
    fill.setColorAt(1, kPanel);
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawPath(rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
}

void glow(QPainter& p, const QPainterPath& path, const QColor& colour, int layers) {
    p.setBrush(Qt::NoBrush);
    for (int i = layers; i >= 1; --i) {
        p.setPen(QPen(alpha(colour, 60 / i), i * 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
}

// A caption button in three states; the caption itself is a label on top.
void button(const QString& name, int w, int h, State s, qreal radius = 5) {
    draw(name, w, h, [&](QPainter& p) {
        const QRectF r(1, 1, w - 2, h - 2);
        if (s == State::pressed) {
            QLinearGradient fill(r.topLeft(), r.bottomLeft());
            fill.setColorAt(0, kAccentDeep);
            fill.setColorAt(1, kAccentDeep.darker(140));
            p.setPen(QPen(kAccent, 1));
            p.setBrush(fill);
            p.drawPath(rounded(r, radius));
            return;
        }
        panel(p, r, radius, s == State::hover ? kAccent : kEdge);
        if (s == State::hover) glow(p, rounded(r.adjusted(1, 1, -1, -1), radius), kAccent, 2);
        p.setPen(
            QPen(alpha(kAccent, s == State::hover ? 255 : 120), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(r.left() + radius + 2, r.bottom() - 1),
                   QPointF(r.left() + radius + 14, r.bottom() - 1));
    });
}

// A page-bar tab: a notch of accent on the left (the caption starts after it).
void tab(const QString& name, State s) {
    draw(name, 110, 30, [&](QPainter& p) {
        const QRectF r(0.5, 0.5, 109, 29);
        if (s == State::pressed) {
            QLinearGradient fill(r.topLeft(), r.topRight());
            fill.setColorAt(0, alpha(kAccent, 200));
            fill.setColorAt(1, alpha(kAccentDeep, 90));
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawPath(rounded(r, 4));
        } else {
            p.setPen(QPen(s == State::hover ? alpha(kAccent, 180) : alpha(kEdge, 160), 1));
            p.setBrush(s == State::hover ? kPanelHi : alpha(kPanel, 200));
            p.drawPath(rounded(r, 4));
        }
        QPainterPath notch;
        notch.moveTo(3, 6);
        notch.lineTo(7, 10);
        notch.lineTo(7, 20);
        notch.lineTo(3, 24);
        notch.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(s == State::normal ? alpha(kAccent, 90)
                                      : (s == State::pressed ? kText : kAccent));
        p.drawPath(notch);
    });
}

void window_glyph(const QString& name, bool exit, State s) {
    draw(name, 20, 20, [&](QPainter& p) {
        const QColor ring = s == State::normal ? kEdge : (exit ? kDanger : kAccent);
        p.setPen(QPen(ring, 1.2));
        p.setBrush(s == State::pressed ? alpha(ring, 140) : alpha(kPanelHi, 230));
        p.drawEllipse(QRectF(1, 1, 18, 18));
        p.setPen(QPen(s == State::normal ? kText : Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
        if (exit) {
            p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
            p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
        } else {
            p.drawLine(QPointF(6, 10), QPointF(14, 10));
        }
    });
}

void key_label(const QString& name, bool hover) {
    draw(name, 170, 27, [&](QPainter& p) {
        const QRectF r(1, 1, 168, 25);
        panel(p, r, 13, hover ? kAccent : kEdge);
        if (hover) glow(p, rounded(r.adjusted(1, 1, -1, -1), 12), kAccent, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(hover ? kAccent : alpha(kAccent, 110));
        p.drawEllipse(QPointF(14, 13.5), 3.5, 3.5);
    });
}

void web_button(const QString& name, State s) {
    draw(name, 200, 66, [&](QPainter& p) {
        const QRectF r(2, 2, 196, 62);
        panel(p, r, 10, s == State::normal ? kEdge : kAccent);
        if (s == State::pressed) {
            p.setBrush(alpha(kAccentDeep, 150));
            p.setPen(Qt::NoPen);
            p.drawPath(rounded(r.adjusted(2, 2, -2, -2), 8));
        }
        // A globe: the maker's site.
        p.setPen(QPen(s == State::normal ? alpha(kAccent, 150) : kAccent, 2));
        p.setBrush(Qt::NoBrush);
        const QRectF globe(18, 15, 36, 36);
        p.drawEllipse(globe);
        p.drawEllipse(QRectF(29, 15, 14, 36));
        p.drawLine(QPointF(18, 33), QPointF(54, 33));
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(70, 24 + i * 9), QPointF(170 - i * 30, 24 + i * 9));
        }
    });
}

// A rifle silhouette in side view; `k` varies barrel, stock and magazine.
QPainterPath rifle(int k) {
    const qreal barrel = 20 + 3 * k;
    QPainterPath path;
    path.addRoundedRect(QRectF(30, 22, 44, 10), 2, 2);  // receiver
    path.addRect(QRectF(74, 25, barrel, 4));            // barrel
    QPainterPath stock;
    stock.moveTo(30, 23);
    stock.lineTo(12, 21 + (k % 2) * 2);
    stock.lineTo(10, 33);
    stock.lineTo(30, 31);
    stock.closeSubpath();
    path.addPath(stock);
    QPainterPath mag;
    const qreal curve = (k % 3) * 3;
    mag.moveTo(52, 32);
    mag.lineTo(60, 32);
    mag.lineTo(62 + curve, 46);
    mag.lineTo(55 + curve, 47);
    mag.closeSubpath();
    path.addPath(mag);
    path.addRect(QRectF(40, 32, 5, 9));                              // grip
    path.addRoundedRect(QRectF(42, 17, 16 + 2 * (k % 4), 5), 2, 2);  // sight
    return path;
}

void gun(int k, bool selected) {
    draw(QString("Gun%1_0%2").arg(k).arg(selected ? 2 : 1), 120, 56, [&](QPainter& p) {
        const QRectF r(1, 1, 118, 54);
        panel(p, r, 8, selected ? kAccent : kEdge);
        if (selected) glow(p, rounded(r.adjusted(1, 1, -1, -1), 7), kAccent, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(selected ? kAccent : alpha(kText, 150));
        p.drawPath(QTransform::fromTranslate(-2, 1).map(rifle(k)));
        for (int i = 0; i < k; ++i) {  // preset number as pips along the bottom right
            p.setBrush(selected ? kText : alpha(kAccent, 140));
            p.drawRect(QRectF(110 - i * 5, 47, 3, 4));
        }
    });
}

void gun_mode(int n, int size, int pips) {
    draw(QString("GunMode%1").arg(n), size, size, [&](QPainter& p) {
        const QRectF r(1.5, 1.5, size - 3, size - 3);
        p.setPen(QPen(kAccent, 1.5));
        p.setBrush(alpha(kPanelHi, 230));
        p.drawEllipse(r);
        p.setPen(QPen(alpha(kAccent, 90), 1));
        p.drawEllipse(r.adjusted(4, 4, -4, -4));
        const QPointF c = r.center();
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        for (int i = 0; i < pips; ++i) {
            const qreal a = qDegreesToRadians(-90.0 + i * 360.0 / pips);
            const qreal d = pips == 1 ? 0 : size * 0.18;
            p.drawEllipse(QPointF(c.x() + d * qCos(a), c.y() + d * qSin(a)), size * 0.08,
                          size * 0.08);
        }
    });
}

void check_box(const QString& name, bool on) {
    draw(name, 16, 16, [&](QPainter& p) {
        p.setPen(QPen(on ? kAccent : kEdge.lighter(130), 1.2));
        p.setBrush(on ? alpha(kAccentDeep, 200) : kPanel);
        p.drawPath(rounded(QRectF(1.5, 1.5, 13, 13), 3));
        if (!on) return;
        QPainterPath tick;
        tick.moveTo(4.5, 8.5);
        tick.lineTo(7, 11);
        tick.lineTo(11.5, 5);
        p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    });
}

void radio(const QString& name, bool on) {
    draw(name, 15, 15, [&](QPainter& p) {
        p.setPen(QPen(on ? kAccent : kEdge.lighter(130), 1.2));
        p.setBrush(kPanel);
        p.drawEllipse(QRectF(1.5, 1.5, 12, 12));
        if (!on) return;
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawEllipse(QRectF(4.5, 4.5, 6, 6));
    });
}

// A slanted level segment; the filled one glows.
void bar(const QString& name, int w, bool on) {
    draw(name, w, 18, [&](QPainter& p) {
        QPainterPath seg;
        seg.moveTo(5, 2);
        seg.lineTo(w - 1, 2);
        seg.lineTo(w - 5, 16);
        seg.lineTo(1, 16);
        seg.closeSubpath();
        if (on) {
            QLinearGradient fill(0, 2, 0, 16);
            fill.setColorAt(0, kAccent.lighter(130));
            fill.setColorAt(1, kAccentDeep);
            p.setPen(QPen(kAccent, 1));
            p.setBrush(fill);
        } else {
            p.setPen(QPen(kEdge, 1));
            p.setBrush(kPanel);
        }
        p.drawPath(seg);
    });
}

void colour_frame() {
    draw("Col_F", 32, 40, [&](QPainter& p) {
        QPainterPath frame = rounded(QRectF(1, 1, 30, 38), 5);
        frame.addRoundedRect(QRectF(5, 5, 22, 30), 3, 3);  // the swatch shows through
        frame.setFillRule(Qt::OddEvenFill);
        p.setPen(QPen(kEdge.lighter(140), 1));
        p.setBrush(kPanelHi);
        p.drawPath(frame);
        p.setPen(QPen(alpha(kAccent, 160), 1));
        p.drawLine(QPointF(10, 38), QPointF(22, 38));
    });
}

void group_base(const QString& name) {
    draw(name, 207, 162, [&](QPainter& p) {
        panel(p, QRectF(0, 0, 207, 162), 8);
        p.setPen(QPen(alpha(kAccent, 160), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 1.5), QPointF(60, 1.5));
    });
}

// Faint diagonal hatching that gives the dark surfaces some texture.
void hatch(QPainter& p, const QRectF& r, int spacing, int alpha_value) {
    p.save();
    p.setClipRect(r);
    p.setPen(QPen(QColor(255, 255, 255, alpha_value), 1));
    for (qreal x = r.left() - r.height(); x < r.right(); x += spacing) {
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    }
    p.restore();
}

void background(int language) {
    draw(QString("L%1_BackGround").arg(language), 1030, 662, [&](QPainter& p) {
        const QRectF all(0, 0, 1030, 662);
        QRadialGradient base(QPointF(600, 260), 800);
        base.setColorAt(0, QColor(24, 28, 36));
        base.setColorAt(1, kBase);
        p.setPen(QPen(kEdge, 1));
        p.setBrush(base);
        p.drawPath(rounded(all.adjusted(0.5, 0.5, -0.5, -0.5), 14));
        hatch(p, all.adjusted(2, 2, -2, -2), 14, 5);
        // Header: the product mark, an accent rule, and the language as one to three ticks.
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        QPainterPath mark;
        mark.moveTo(26, 52);
        mark.lineTo(40, 20);
        mark.lineTo(48, 20);
        mark.lineTo(38, 44);
        mark.lineTo(58, 44);
        mark.lineTo(54, 52);
        mark.closeSubpath();
        p.drawPath(mark);
        p.setBrush(alpha(kAccent, 120));
        p.drawPath(QTransform::fromTranslate(22, 0).map(mark));
        p.setPen(QPen(alpha(kAccent, 200), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(96, 62), QPointF(1004, 62));
        p.setPen(QPen(alpha(kAccent, 60), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(96, 62), QPointF(300, 62));
        p.setPen(Qt::NoPen);
        p.setBrush(alpha(kAccent, 170));
        for (int i = 0; i < language; ++i) p.drawRect(QRectF(900 + i * 8, 22, 4, 12));
        // Side bar for the page buttons and the content frame.
        panel(p, QRectF(16, 80, 136, 460), 10);
        panel(p, QRectF(166, 76, 852, 526), 12);
        p.setPen(QPen(alpha(kEdge, 200), 1));
        p.drawLine(QPointF(28, 300), QPointF(140, 300));
        p.drawLine(QPointF(28, 428), QPointF(140, 428));
        // Footer rail under the action buttons.
        p.setPen(QPen(alpha(kAccent, 90), 1));
        p.drawLine(QPointF(170, 650), QPointF(1014, 650));
    });
}

// The key page: a clean top view of a nine-button mouse, facing up.
void key_picture(int language) {
    draw(QString("L%1_Back1").arg(language), 600, 400, [&](QPainter& p) {
        const QPointF c(300, 205);
        QPainterPath body;
        body.moveTo(c.x() - 78, c.y() - 70);
        body.cubicTo(c.x() - 86, c.y() - 160, c.x() + 86, c.y() - 160, c.x() + 78, c.y() - 70);
        body.cubicTo(c.x() + 92, c.y() + 20, c.x() + 86, c.y() + 160, c.x(), c.y() + 175);
        body.cubicTo(c.x() - 86, c.y() + 160, c.x() - 92, c.y() + 20, c.x() - 78, c.y() - 70);
        QRadialGradient shell(c + QPointF(-30, -60), 240);
        shell.setColorAt(0, QColor(44, 50, 60));
        shell.setColorAt(1, QColor(18, 20, 25));
        glow(p, body, kAccent, 4);
        p.setPen(QPen(kEdge.lighter(150), 1.5));
        p.setBrush(shell);
        p.drawPath(body);
        // 1 left and 2 right button plates, split down the middle.
        auto plate = [&](int side) {
            QPainterPath path;
            path.moveTo(c.x() + side * 6, c.y() - 150);
            path.cubicTo(c.x() + side * 60, c.y() - 150, c.x() + side * 80, c.y() - 120,
                         c.x() + side * 76, c.y() - 40);
            path.lineTo(c.x() + side * 6, c.y() - 30);
            path.closeSubpath();
            return path;
        };
        p.setPen(QPen(alpha(kAccent, 170), 1.2));
        p.setBrush(QColor(30, 34, 42));
        p.drawPath(plate(-1));
        p.drawPath(plate(1));
        // 3 wheel, 6 DPI button behind it, 9 mode button near the palm.
        p.setBrush(QColor(12, 14, 18));
        p.drawPath(rounded(QRectF(c.x() - 9, c.y() - 128, 18, 48), 9));
        p.setPen(QPen(alpha(kAccent, 120), 1));
        for (int i = 0; i < 6; ++i)
            p.drawLine(QPointF(c.x() - 6, c.y() - 120 + i * 7),
                       QPointF(c.x() + 6, c.y() - 120 + i * 7));
        p.setPen(QPen(alpha(kAccent, 170), 1.2));
        p.setBrush(QColor(30, 34, 42));
        p.drawPath(rounded(QRectF(c.x() - 8, c.y() - 68, 16, 26), 5));
        p.drawPath(rounded(QRectF(c.x() - 18, c.y() + 40, 36, 12), 6));
        // 4 back, 5 forward and 7 fire on the left flank; 8 on the right flank.
        p.drawPath(rounded(QRectF(c.x() - 94, c.y() - 30, 14, 34), 6));
        p.drawPath(rounded(QRectF(c.x() - 96, c.y() + 10, 14, 34), 6));
        p.drawPath(rounded(QRectF(c.x() - 90, c.y() - 64, 12, 24), 5));
        p.drawPath(rounded(QRectF(c.x() + 82, c.y() - 30, 12, 30), 5));
        // Light strip along the palm and the accent logo.
        p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - 60, c.y() + 60, 120, 100), 200 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(alpha(kAccent, 200));
        QPainterPath logo;
        logo.moveTo(c.x() - 10, c.y() + 104);
        logo.lineTo(c.x(), c.y() + 84);
        logo.lineTo(c.x() + 10, c.y() + 104);
        logo.lineTo(c.x(), c.y() + 98);
        logo.closeSubpath();
        p.drawPath(logo);
    });
}

// Inner panels of the 800 x 374 pages, in page-picture coordinates.
void page_picture(int language, int page) {
    draw(QString("L%1_Back%2").arg(language).arg(page), 800, 374, [&](QPainter& p) {
        auto section = [&](const QRectF& r) {
            panel(p, r, 8);
            p.setPen(QPen(alpha(kAccent, 170), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(r.left() + 12, r.top() + 1), QPointF(r.left() + 52, r.top() + 1));
        };
        if (page == 2) {  // CPI levels left, pointer rows right
            section(QRectF(4, 4, 460, 366));
            section(QRectF(472, 4, 324, 366));
        } else if (page == 3) {  // options, MCU LED modes and rows, key-mode colours
            section(QRectF(4, 4, 300, 290));
            section(QRectF(312, 4, 340, 366));
            section(QRectF(660, 4, 136, 120));
        } else {  // name list, event list, delay and insert groups
            section(QRectF(4, 4, 196, 322));
            section(QRectF(204, 4, 330, 322));
            section(QRectF(540, 4, 256, 366));
        }
    });
}

void fire_picture(int language) {
    draw(QString("L%1_Back5").arg(language), 720, 650, [&](QPainter& p) {
        const QRectF all(0.5, 0.5, 719, 649);
        QRadialGradient base(QPointF(360, 200), 600);
        base.setColorAt(0, QColor(26, 30, 38));
        base.setColorAt(1, kBase);
        p.setPen(QPen(kEdge, 1));
        p.setBrush(base);
        p.drawPath(rounded(all, 14));
        hatch(p, all.adjusted(2, 2, -2, -2), 14, 5);
        panel(p, QRectF(12, 16, 296, 476), 10);   // presets and their mode marks
        panel(p, QRectF(326, 40, 372, 316), 10);  // the three parameter columns
        panel(p, QRectF(12, 504, 686, 90), 10);   // room for the fire editor's controls
        p.setPen(QPen(alpha(kEdge, 220), 1));
        for (int row = 0; row < 6; ++row) {
            const qreal y = 92 + row * 40;
            p.drawLine(QPointF(340, y), QPointF(684, y));
        }
        p.setPen(QPen(alpha(kAccent, 200), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 17), QPointF(90, 17));
        p.drawLine(QPointF(338, 41), QPointF(404, 41));
        // Crosshair emblem in the free corner.
        const QPointF c(520, 430);
        p.setPen(QPen(alpha(kAccent, 140), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 40, 40);
        p.drawEllipse(c, 12, 12);
        for (int i = 0; i < 4; ++i) {
            const qreal a = qDegreesToRadians(i * 90.0);
            p.drawLine(c + QPointF(22 * qCos(a), 22 * qSin(a)),
                       c + QPointF(52 * qCos(a), 52 * qSin(a)));
        }
    });
}

void dialog_background() {
    draw("Msg", 1000, 660, [&](QPainter& p) {
        const QRectF card(290, 206, 420, 244);
        glow(p, rounded(card, 14), kAccent, 3);
        panel(p, card, 14, alpha(kAccent, 200));
        p.setPen(QPen(alpha(kAccent, 200), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(card.left() + 20, card.top() + 56),
                   QPointF(card.right() - 20, card.top() + 56));
    });
}

// The loading animation: a ring of segments whose bright head turns one step a frame.
void loading_strip() {
    constexpr int kFrames = 12;
    constexpr int kW = 200;
    constexpr int kH = 192;
    draw("Loading", kFrames * kW, kH, [&](QPainter& p) {
        for (int f = 0; f < kFrames; ++f) {
            const QPointF c(f * kW + kW / 2.0, kH / 2.0);
            for (int i = 0; i < kFrames; ++i) {
                const int age = (f - i + kFrames) % kFrames;
                const qreal a = qDegreesToRadians(i * 360.0 / kFrames - 90);
                const QPointF dir(qCos(a), qSin(a));
                p.setPen(QPen(alpha(kAccent, 255 - age * 19), 8, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(c + dir * 48, c + dir * 72);
            }
            p.setPen(QPen(kEdge.lighter(160), 2));
            p.setBrush(kPanelHi);
            p.drawPath(rounded(QRectF(c.x() - 14, c.y() - 22, 28, 44), 14));
            p.setPen(QPen(kAccent, 2));
            p.drawLine(c + QPointF(0, -16), c + QPointF(0, -6));
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen OUTPUT_DIR\n");
        return 2;
    }
    g_dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_dir);
    for (int language = 1; language <= 3; ++language) {
        background(language);
        key_picture(language);
        for (int page = 2; page <= 4; ++page) page_picture(language, page);
        fire_picture(language);
    }
    const State states[] = {State::normal, State::hover, State::pressed};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString("_0%1").arg(i + 1);
        button("BtnS" + n, 110, 27, states[i]);
        button("MacroS" + n, 110, 27, states[i]);
        button("MacroBtnS" + n, 44, 27, states[i]);
        tab("SetS" + n, states[i]);
        window_glyph("ExitS" + n, true, states[i]);
    }
    // The web button's second image is the pressed one, its third the hover one.
    web_button("WebS_01", State::normal);
    web_button("WebS_02", State::pressed);
    web_button("WebS_03", State::hover);
    window_glyph("MiniS_01", false, State::normal);
    window_glyph("MiniS_02", false, State::hover);
    key_label("KeyS_01", false);
    key_label("KeyS_02", true);
    for (int k = 1; k <= 7; ++k) {
        gun(k, false);
        gun(k, true);
    }
    gun_mode(1, 42, 1);
    gun_mode(2, 52, 2);
    gun_mode(3, 42, 1);
    gun_mode(4, 52, 2);
    gun_mode(5, 62, 3);
    check_box("CbS_D", false);
    check_box("CbS_E", true);
    radio("RdS_D", false);
    radio("RdS_E", true);
    bar("Bar1_D", 26, false);
    bar("Bar1_E", 26, true);
    bar("Bar2_D", 20, false);
    bar("Bar2_E", 20, true);
    colour_frame();
    group_base("InsertDelayBase");
    group_base("InsertKeyBase");
    dialog_background();
    loading_strip();
    return g_ok ? 0 : 1;
}
