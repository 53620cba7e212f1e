// korvanel-preview SKIN OUT.png: the skin's pieces put together at their real sizes, roughly as
// the inventory screen and the dashboard use them, so the art can be judged as a whole.

#include "assets/assetsart.h"

#include "skin/sectionpainter.h"
#include "skin/skindata.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

class Preview
{
public:
    explicit Preview(const Skin::SkinData &skin, QImage &image)
        : m_skin(skin)
        , m_image(image)
        , m_painter(skin)
    { }

    void section(const char *name, int state, const QRect &rect)
    {
        const int index = m_skin.indexOf(name);
        if (index < 0)
            return;
        const QImage behind = m_image.copy();
        m_painter.paint(
            index, state, m_image, rect, Skin::ParentBackground::at(&behind, rect.x(), rect.y()));
    }

    void text(const QRect &rect, const QString &text, const QColor &color, int pixelSize,
        bool bold = false, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
    {
        QPainter painter(&m_image);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(pixelSize);
        font.setBold(bold);
        painter.setFont(font);
        painter.setPen(color);
        painter.drawText(rect, int(align), text);
    }

    void picture(const QRect &rect, const QImage &image)
    {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect, image);
    }

    void masterPicture(const QByteArray &key, int state, const QPoint &at)
    {
        const auto parsed = Skin::parseMasterPicture(m_skin.globalInfo().value(key));
        if (!parsed)
            return;
        const int w = parsed->rect.width() / parsed->states;
        const int h = parsed->rect.height() / (parsed->masked ? 2 : 1);
        const QImage &master = m_skin.masterBitmap();
        QImage piece(w, h, QImage::Format_ARGB32);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb rgb
                    = master.pixel(parsed->rect.x() + state * w + x, parsed->rect.y() + y);
                int alpha = (rgb & 0xFFFFFF) == 0xFF00FF ? 0 : 255;
                if (parsed->masked && alpha)
                    alpha = 255
                        - qGray(master.pixel(
                            parsed->rect.x() + state * w + x, parsed->rect.y() + h + y));
                piece.setPixel(x, y, (rgb & 0xFFFFFF) | QRgb(alpha) << 24);
            }
        }
        QPainter painter(&m_image);
        painter.drawImage(at, piece);
    }

private:
    const Skin::SkinData &m_skin;
    QImage &m_image;
    Skin::SectionPainter m_painter;
};

void toolbar(Preview &p, const QPoint &origin, int width, const Skin::SkinData &skin)
{
    const QColor font = QColor::fromRgb(skin.section(skin.indexOf("TOOLBUTTON")).look(0).fontColor);
    p.section("TOOLBAR", 0, QRect(origin, QSize(width, 72)));
    for (int i = 0; i < 6; ++i) {
        const QRect button(origin + QPoint(272 + 118 * i, 0), QSize(120, 72));
        const int state = i == 2 ? 1 : i == 3 ? 2 : 0;
        p.section("TOOLBUTTON", state, button);
        const int images[] = { -1, 3, 2, 0, 1, 4 };
        if (images[i] < 0)
            p.text(button, QStringLiteral("LOG OUT"), font, 16, false, Qt::AlignCenter);
        else
            p.picture(QRect(button.topLeft() + QPoint(11, -1), QSize(98, 74)),
                Assets::toolbarPicture(images[i]));
    }
    p.picture(QRect(origin + QPoint(1024, 20), QSize(32, 32)), Assets::userBadgeGlyph());
    p.text(QRect(origin + QPoint(1064, 4), QSize(120, 64)), QStringLiteral("A KORVANEL"), font, 16);
}

void edit(Preview &p, const QRect &rect, const QString &label, const QColor &labelColor)
{
    p.section("EDIT", 0, rect);
    p.text(QRect(rect.left() - 140, rect.top(), 134, rect.height()), label, labelColor, 13, false,
        Qt::AlignRight | Qt::AlignVCenter);
}

void inventory(Preview &p, const QPoint &o, const QColor &skinFont)
{
    // Page control: page area above, tabs of 24 px hanging at the bottom.
    const QRect control(o + QPoint(24, 16), QSize(810, 423));
    const QRect page(control.topLeft(), QSize(810, 423 - 24));
    p.section("PAGEL", 0, page);
    const int widths[] = { 78, 96, 70, 100 };
    const char *captions[] = { "General", "Quantities", "Prices", "Suggested" };
    QList<QRect> tabs;
    int x = control.left();
    for (int w : widths) {
        tabs.append(QRect(x, page.bottom() + 1, w, 24));
        x += w;
    }
    const char *sections[] = { "TABL", "TABBOTTOM", "TABBOTTOM", "TABR" };
    for (int i = 3; i >= 0; --i) {
        QRect r = tabs[i];
        if (i == 0)
            continue;
        r.setTop(r.top() - 7);
        p.section(sections[i], i == 2 ? 1 : 0, r);
        p.text(tabs[i].translated(0, -2), QString::fromLatin1(captions[i]), skinFont, 13, false,
            Qt::AlignHCenter | Qt::AlignTop);
    }
    QRect active = tabs[0].adjusted(-1, -5, 6, 0);
    p.section("TABL", 2, active);
    p.text(tabs[0].translated(0, -1), QString::fromLatin1(captions[0]), skinFont, 13, false,
        Qt::AlignHCenter | Qt::AlignTop);

    const QRect filters(o + QPoint(24, 448), QSize(810, 80));
    p.section("PANEL", 0, filters);
    edit(p, QRect(filters.topLeft() + QPoint(142, 13), QSize(121, 21)),
        QStringLiteral("Sales rating code"), skinFont);
    edit(p, QRect(filters.topLeft() + QPoint(142, 40), QSize(121, 21)),
        QStringLiteral("Vendor code"), skinFont);
    p.masterPicture("BOXUNCHECKED", 0, filters.topLeft() + QPoint(284, 18));
    p.text(QRect(filters.topLeft() + QPoint(304, 15), QSize(200, 22)),
        QStringLiteral("OH quantity required"), skinFont, 13);
    p.masterPicture("BOXCHECKED", 1, filters.topLeft() + QPoint(284, 45));
    p.text(QRect(filters.topLeft() + QPoint(304, 42), QSize(220, 22)),
        QStringLiteral("Exclude open department items"), skinFont, 13);
    edit(p, QRect(filters.topLeft() + QPoint(700, 13), QSize(73, 24)),
        QStringLiteral("Days since last sold"), skinFont);

    const QRect entry(o + QPoint(24, 528), QSize(810, 48));
    p.section("PANEL", 0, entry);
    edit(p, QRect(entry.topLeft() + QPoint(142, 10), QSize(121, 24)),
        QStringLiteral("Scan or enter item"), skinFont);

    const QRect item(o + QPoint(852, 16), QSize(385, 561));
    p.section("PANEL", 0, item);
    const QRect header(item.topLeft() + QPoint(5, 4), QSize(373, 40));
    p.section("HEADER_TOP", 0, header);
    p.text(header.adjusted(16, 0, 0, 0), QStringLiteral("INVENTORY ITEM"), Qt::black, 13);
    const QRect add(item.topLeft() + QPoint(32, 502), QSize(75, 33));
    const QRect del(item.topLeft() + QPoint(112, 502), QSize(75, 33));
    p.section("BUTTON_GREEN", 0, add);
    p.text(add, QStringLiteral("ADD"), Qt::white, 13, true, Qt::AlignCenter);
    p.section("BUTTON_RED", 1, del);
    p.text(del, QStringLiteral("DELETE"), Qt::white, 13, true, Qt::AlignCenter);
}

void card(Preview &p, const QRect &outer, const QString &title, bool plus)
{
    const QRect bar(outer.topLeft() + QPoint(1, 1), QSize(293, 40));
    p.section(
        "BARPANEL", 0, QRect(outer.topLeft() + QPoint(1, 41), QSize(293, outer.height() - 42)));
    p.section("BARTITLE", 0, bar);
    p.text(QRect(bar.topLeft() + QPoint(12, 13), QSize(240, 18)), title, Qt::black, 16);
    if (plus) {
        const QRect button(bar.topLeft() + QPoint(257, 12), QSize(23, 22));
        p.section("SPEEDBUTTON_SMALL", 0, button);
        p.text(button, QStringLiteral("+"), Qt::white, 19, false, Qt::AlignCenter);
    }
}

void dashboard(Preview &p, const QPoint &o)
{
    card(p, QRect(o + QPoint(32, 12), QSize(295, 151)), QStringLiteral("Johannesburg, Gauteng"),
        true);
    p.picture(QRect(o + QPoint(57, 78), QSize(48, 48)), Assets::weatherPicture());
    p.text(QRect(o + QPoint(137, 62), QSize(180, 16)), QStringLiteral("Clear"), Qt::black, 13);
    p.text(
        QRect(o + QPoint(137, 78), QSize(180, 22)), QStringLiteral("24 C / 75 F"), Qt::black, 19);

    const QRect clock(o + QPoint(350, 12), QSize(295, 123));
    card(p, clock, QStringLiteral("Time Clock"), false);
    const QRect clockIn(clock.topLeft() + QPoint(1 + 96, 41 + 42), QSize(97, 25));
    p.section("BUTTON", 0, clockIn);
    p.text(clockIn, QStringLiteral("Clock IN"), Qt::black, 11, true, Qt::AlignCenter);
    const QRect post(clock.topLeft() + QPoint(1 + 200, 41 + 42), QSize(80, 25));
    p.section("BUTTON", 1, post);
    p.text(post, QStringLiteral("SHOW"), Qt::black, 11, true, Qt::AlignCenter);
    const QRect back(clock.topLeft() + QPoint(12, 41 + 43), QSize(25, 23));
    p.section("SPEEDBUTTON_SMALL", 2, back);
    p.text(back, QStringLiteral("<"), Qt::white, 16, true, Qt::AlignCenter);

    // The sale screen's accordion: header items over a frame painted with the progress section.
    const QRect panel(o + QPoint(668, 12), QSize(345, 300));
    p.section("PANEL", 0, panel);
    const QRect bar(panel.topLeft() + QPoint(5, 4), QSize(333, 292));
    const char *headers[] = { "HEADER_TOP", "HEADER_MIDDLE", "HEADER_MIDDLE", "HEADER_BOTTOM" };
    const char *captions[] = { "GENERAL ITEM INFORMATION", "PICTURE: IPhone 45",
        "MANUFACTURER INFORMATION", "CUSTOMER: JOHN SMITH" };
    int y = bar.top();
    for (int i = 0; i < 4; ++i) {
        const QRect title(bar.left(), y, bar.width(), 32);
        p.section(headers[i], 0, title);
        p.text(title.adjusted(10, 0, 0, 0), QString::fromLatin1(captions[i]), Qt::black, 13);
        y += 32;
        if (i == 2) {
            p.section("PROGRESSH", 0, QRect(bar.left(), y, bar.width(), 160));
            y += 160;
        }
    }

    const QRect header(o + QPoint(1036, 12), QSize(200, 40));
    p.section("PANEL_HEADER", 0, header);
    p.section("BARPANEL", 0, QRect(o + QPoint(1036, 52), QSize(200, 90)));
}

} // namespace

int main(int argc, char **argv)
{
    // Text needs a platform, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: korvanel-preview SKIN OUT.png\n");
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "korvanel-preview: cannot read %s\n", argv[1]);
        return 1;
    }
    const auto skin = Skin::SkinData::fromContainerBytes(file.readAll());
    if (!skin) {
        std::fprintf(stderr, "korvanel-preview: %s\n", qPrintable(skin.error()));
        return 1;
    }

    const int width = 1264;
    const int title = 30;
    QImage image(width, title + 766 + 330, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0x3C, 0x3E, 0x44));
    Preview p(*skin, image);
    const Skin::SkinSection &form = skin->section(skin->indexOf("FORM"));
    const QColor skinFont = QColor::fromRgb(form.look(0).fontColor);

    QImage window(width, title + 766, QImage::Format_ARGB32_Premultiplied);
    {
        Preview w(*skin, window);
        window.fill(Qt::black);
        w.section("FORM", 0, window.rect());
        w.section("FORMTITLE", 0, QRect(0, 0, width, title));
        w.text(QRect(10, 0, 300, title - 2), QStringLiteral("tamo"), skinFont, 13);
        w.picture(QRect(width - 45 - 10, -10, 63, 38), skin->picture("GlowClose.png"));
        w.masterPicture("BICONCLOSE", 1, QPoint(width - 45, 0));
        w.masterPicture("BICONMIN", 0, QPoint(width - 45 - 25, 0));
        toolbar(w, QPoint(0, title), width, *skin);
        inventory(w, QPoint(0, title + 72), skinFont);
        toolbar(w, QPoint(0, title + 682), width, *skin);
    }
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, window);
    }
    QImage board(width, 330, QImage::Format_ARGB32_Premultiplied);
    {
        Preview b(*skin, board);
        board.fill(Qt::black);
        b.section("FORM", 0, board.rect());
        dashboard(b, QPoint(0, 0));
    }
    {
        QPainter painter(&image);
        painter.drawImage(0, title + 766, board);
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "korvanel-preview: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
