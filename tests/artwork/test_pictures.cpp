// The pictures the program embeds: every one is there at its size, the skins
// give the windows a sound shape with room for the controls laid on them.
#include "mainwindow/ui/Pictures.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSet>
#include <gtest/gtest.h>
#include <queue>
#include <vector>

namespace {

QImage picture(const QString& name) {
    return QImage(QStringLiteral(":/images/%1.png").arg(name));
}

// Which pixels of a skin belong to the window: every colour but the key at (0, 0).
class SkinShape {
public:
    explicit SkinShape(const QImage& skin)
        : image_(skin.convertToFormat(QImage::Format_RGB32)), key_(image_.pixel(0, 0)) {}

    bool inside(int x, int y) const { return image_.pixel(x, y) != key_; }
    QRgb key() const { return key_; }

    // Calls visit(x, y) for every pixel of the rectangle.
    template <typename Visit> void each(const QRect& rect, Visit visit) const {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                visit(x, y);
            }
        }
    }
    bool covers(const QRect& rect) const {
        return count(true, rect) == rect.width() * rect.height();
    }
    // Pixels inside (or outside) the window in the rectangle, the whole skin by default.
    int count(bool side, const QRect& rect = {}) const {
        int n = 0;
        each(rect.isNull() ? image_.rect() : rect,
             [&](int x, int y) { n += inside(x, y) == side; });
        return n;
    }
    QSet<QRgb> colours(const QRect& rect) const {
        QSet<QRgb> found;
        each(rect, [&](int x, int y) { found.insert(image_.pixel(x, y) & 0xffffff); });
        return found;
    }
    // Mean lightness (0 to 255) of a rectangle.
    int lightness(const QRect& rect) const {
        long sum = 0;
        each(rect, [&](int x, int y) { sum += QColor(image_.pixel(x, y)).lightness(); });
        return static_cast<int>(sum / (rect.width() * rect.height()));
    }

    // Pixels on the given side (inside or outside) reached from the start pixels,
    // moving between neighbours on the same side.
    int reachable(const std::vector<QPoint>& starts, bool side) const {
        QImage seen(image_.size(), QImage::Format_Mono);
        seen.fill(0);
        std::queue<QPoint> open;
        const auto visit = [&](QPoint q) {
            if (image_.rect().contains(q) && seen.pixelIndex(q) == 0 &&
                inside(q.x(), q.y()) == side) {
                seen.setPixel(q, 1);
                open.push(q);
            }
        };
        for (const QPoint start : starts) {
            visit(start);
        }
        int count = 0;
        while (!open.empty()) {
            const QPoint p = open.front();
            open.pop();
            ++count;
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                visit(p + step);
            }
        }
        return count;
    }

    std::vector<QPoint> border() const {
        std::vector<QPoint> points;
        const QRect r = image_.rect();
        each(r, [&](int x, int y) {
            if (x == r.left() || x == r.right() || y == r.top() || y == r.bottom()) {
                points.emplace_back(x, y);
            }
        });
        return points;
    }

private:
    QImage image_;
    QRgb key_;
};

// One piece, no holes, corners cut away: a shaped window rather than a box.
void expectOneRoundedPiece(const SkinShape& shape, QSize size, QPoint centre) {
    EXPECT_EQ(shape.key() & 0xffffff, 0xff00ffu);
    EXPECT_EQ(shape.reachable({centre}, true), shape.count(true)) << "window in several pieces";
    EXPECT_EQ(shape.reachable(shape.border(), false), shape.count(false)) << "hole in the window";
    EXPECT_FALSE(shape.inside(size.width() - 1, 0));
    EXPECT_FALSE(shape.inside(0, size.height() - 1));
    EXPECT_FALSE(shape.inside(size.width() - 1, size.height() - 1));
}

// Every picture of the program, embedded at its size (the skins are checked
// below), and the image controls that show them.
TEST(Pictures, EveryPictureIsEmbeddedAtItsSize) {
    const std::vector<std::pair<QSize, const char*>> pictures{
        {{16, 16}, "anexado bloqueado aniversario alarme executado compartilhado relogio_centro"},
        {{24, 24},
         "config logout calculadora backup restore impressora minimizar fechar "
         "calendario email pesquisar dia_anterior dia_proximo saldo_anterior saldo_proximo"},
        {{32, 32}, "compromissos enderecos financas tarefas notas ajuda pergunta informacao grave"},
        {{324, 124}, "fundo_msgbox"},
        {{200, 41}, "fundo_aguarde"},
        {{90, 90}, "relogio"},
        {{256, 256}, "orvalune"},
        {{48, 48}, "orvalune48"},
        {{400, 246}, "fundo_lembrete"},
        {{400, 220}, "inicial"},
        // Image controls by name (mixed case), through the program's own lookup.
        {{16, 16},
         "imgAnexado imgBloqueado imgAniversario imgAlarme imgExecutado imgCompartilhado"},
        {{24, 24},
         "imdDiaAntes imgDiaAntes imgDiaApos imgCalendario cmdEmailContato imgImpressora"},
    };
    for (const auto& [size, names] : pictures) {
        for (const QString& name : QString(names).split(' ')) {
            const QSize got =
                name == name.toLower() ? picture(name).size() : orv::picture(name).size();
            EXPECT_EQ(got, size) << name.toStdString();
        }
    }
    // The grid compares a cell's picture with these two: they must differ.
    EXPECT_NE(orv::picture(QStringLiteral("imgAnexado")).toImage(),
              orv::picture(QStringLiteral("imgAniversario")).toImage());
}

TEST(Pictures, MainSkinShapesTheWindowAroundItsControls) {
    const QImage skin = picture(QStringLiteral("skin_main"));
    ASSERT_EQ(skin.size(), QSize(760, 540));
    const SkinShape shape(skin);
    expectOneRoundedPiece(shape, skin.size(), QPoint(380, 270));

    // The panels' working area is wholly inside and of one plain colour.
    const QRect work(16, 46, 728, 378);
    EXPECT_TRUE(shape.covers(work));
    EXPECT_EQ(shape.colours(work).size(), 1);
    EXPECT_GT(shape.lightness(work), 200);

    EXPECT_TRUE(shape.covers(QRect(450, 4, 290, 32))) << "header buttons";
    // Dark captions lie on the header (the date, the minimise caption).
    EXPECT_GT(shape.lightness(QRect(330, 14, 230, 18)), 200) << "date on the header";
    EXPECT_GT(shape.lightness(QRect(690, 12, 50, 20)), 200) << "minimise caption";
    EXPECT_TRUE(shape.covers(QRect(20, 440, 90, 90))) << "clock";
    EXPECT_GT(shape.lightness(QRect(116, 440, 216, 80)), 200) << "time and identity labels";
    EXPECT_TRUE(shape.covers(QRect(343, 480, 397, 52))) << "small buttons";

    // Each tab: its gap strip over the line joins its inside to the light grey
    // under the line, so the chosen tab looks open.
    const QRgb gapGrey = qRgb(222, 222, 222) & 0xffffff;
    const std::vector<std::pair<int, int>> tabs{{343, 99}, {443, 72}, {516, 63},
                                                {580, 56}, {637, 46}, {684, 20}};
    for (const auto& [left, width] : tabs) {
        EXPECT_TRUE(shape.covers(QRect(left, 432, width, 40))) << left;
        EXPECT_EQ(shape.colours(QRect(left + 2, 476, width - 4, 8)), QSet<QRgb>{gapGrey})
            << "below tab " << left;
        EXPECT_EQ(shape.colours(QRect(left + 2, 471, width - 4, 1)), QSet<QRgb>{gapGrey})
            << "foot of tab " << left;
        EXPECT_LT(shape.lightness(QRect(left + 2, 472, width - 4, 4)), 120)
            << "line under tab " << left;
    }
}

TEST(Pictures, LogonSkinHoldsTheLogonControls) {
    const QImage skin = picture(QStringLiteral("skin_logon"));
    ASSERT_EQ(skin.size(), QSize(420, 300));
    const SkinShape shape(skin);
    expectOneRoundedPiece(shape, skin.size(), QPoint(210, 150));

    EXPECT_TRUE(shape.covers(QRect(386, 16, 20, 20))) << "close button";
    EXPECT_TRUE(shape.covers(QRect(40, 120, 340, 90))) << "login and password";
    EXPECT_TRUE(shape.covers(QRect(60, 222, 300, 32))) << "buttons";
    // Dark caption text must read on the field behind the two rows.
    EXPECT_GT(shape.lightness(QRect(50, 132, 100, 64)), 220);
    EXPECT_GT(shape.lightness(QRect(50, 215, 320, 45)), 200);
}

} // namespace
