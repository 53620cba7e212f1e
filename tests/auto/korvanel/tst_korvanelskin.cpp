#include "skin/korvanel/korvanelskin.h"

#include "skin/jpegcodec.h"
#include "skin/optionsfile.h"
#include "skin/packedcontainer.h"
#include "skin/picturedecoder.h"
#include "skin/skindata.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

class tst_KorvanelSkin : public QObject
{
    Q_OBJECT

private:
    Skin::PackedContainer container() const
    {
        auto read = Skin::readPackedContainer(Skin::korvanelSkin());
        if (!read)
            qFatal("%s", qPrintable(read.error()));
        return *read;
    }
    Skin::SkinData skin() const
    {
        auto read = Skin::SkinData::fromContainerBytes(Skin::korvanelSkin());
        if (!read)
            qFatal("%s", qPrintable(read.error()));
        return *read;
    }

private Q_SLOTS:
    void entries_data();
    void entries();
    void masterBitmapHeader();
    void backgroundIsBaselineJfif();
    void sectionNamesInFileOrder();
    void globalInfo_data();
    void globalInfo();
    void namedSectionValues_data();
    void namedSectionValues();
    void sectionModel();
    void tabStatesDiffer_data();
    void tabStatesDiffer();
    void formLetsPatternThrough();
    void glowsAreSoftHalos_data();
    void glowsAreSoftHalos();
    void generatorIsDeterministic();
};

void tst_KorvanelSkin::entries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");
    QTest::newRow("master") << 1 << QByteArray("Master copy.bmp") << QSize(600, 320) << false;
    QTest::newRow("ex") << 2 << QByteArray("Ex.png") << QSize(126, 58) << true;
    QTest::newRow("glow close alone") << 3 << QByteArray("GlowCAlone.png") << QSize(63, 38) << true;
    QTest::newRow("glow close") << 4 << QByteArray("GlowClose.png") << QSize(63, 38) << true;
    QTest::newRow("glow max") << 5 << QByteArray("GlowMax.png") << QSize(46, 38) << true;
    QTest::newRow("glow min") << 6 << QByteArray("GlowMin.png") << QSize(46, 38) << true;
    QTest::newRow("glow norm") << 7 << QByteArray("GlowNorm.png") << QSize(46, 38) << true;
    QTest::newRow("background") << 8 << QByteArray("bg.jpg") << QSize(1920, 1080) << false;
}

void tst_KorvanelSkin::entries()
{
    QFETCH(int, index);
    QFETCH(QByteArray, name);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    const Skin::PackedContainer packed = container();
    QCOMPARE(packed.entries.size(), 9);
    QCOMPARE(packed.entries.at(0).name, QByteArray("Options.dat"));
    QCOMPARE(packed.optionsIndex, 0);
    const Skin::ContainerEntry &entry = packed.entries.at(index);
    QCOMPARE(entry.name, name);
    const auto picture = Skin::decodePicture(entry.data);
    QVERIFY2(picture.ok(), qPrintable(picture.error()));
    QCOMPARE(picture->size(), size);
    QCOMPARE(picture->hasAlphaChannel(), alpha);
    if (name.endsWith(".png"))
        QVERIFY(entry.data.startsWith("\x89PNG"));
}

void tst_KorvanelSkin::masterBitmapHeader()
{
    const QByteArray bmp = container().entries.at(1).data;
    QVERIFY(bmp.startsWith("BM"));
    const auto u16 = [&bmp](int at) { return qFromLittleEndian<quint16>(bmp.constData() + at); };
    const auto u32 = [&bmp](int at) { return qFromLittleEndian<quint32>(bmp.constData() + at); };
    QCOMPARE(u32(14), 12u); // the OS/2 information header
    QCOMPARE(u16(18), quint16(600));
    QCOMPARE(u16(20), quint16(320));
    QCOMPARE(u16(24), quint16(24));
    QVERIFY(qsizetype(u32(10)) + 600 * 3 * 320 <= bmp.size());
}

void tst_KorvanelSkin::backgroundIsBaselineJfif()
{
    const QByteArray jpeg = container().entries.at(8).data;
    QVERIFY(jpeg.startsWith("\xFF\xD8\xFF\xE0"));
    QCOMPARE(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    QCOMPARE(jpeg.at(11), char(1));
    QCOMPARE(jpeg.at(12), char(1));
    QVERIFY(jpeg.contains("\xFF\xC0"));
    QVERIFY(!jpeg.contains("\xFF\xC2"));
    // A blue field: blue clearly outweighs red on average.
    const auto image = Skin::decodeJpeg(jpeg);
    QVERIFY(image.ok());
    qint64 red = 0;
    qint64 blue = 0;
    for (int y = 0; y < image->height(); y += 20) {
        for (int x = 0; x < image->width(); x += 20) {
            red += qRed(image->pixel(x, y));
            blue += qBlue(image->pixel(x, y));
        }
    }
    QVERIFY2(blue > 3 * red, qPrintable(QStringLiteral("red %1 blue %2").arg(red).arg(blue)));
}

void tst_KorvanelSkin::sectionNamesInFileOrder()
{
    const QList<QByteArray> expected = {
        "DRAGBAR",
        "MENULINE",
        "DIVIDER",
        "FORMTITLE",
        "TABTOP",
        "BAR",
        "WEBBUTTON",
        "CHECKBOX",
        "RADIOBUTTON",
        "EXTRALINE",
        "GRIPH",
        "GROUPBOX",
        "TRACKBAR",
        "DIVIDERV",
        "PROGRESSH",
        "MAINMENU",
        "SCROLLBAR1H",
        "PANEL_LOW",
        "GAUGE",
        "TOOLBUTTON",
        "SPLITTER",
        "SCROLLBAR2H",
        "ICOLINE",
        "SCROLLSLIDERH",
        "SCROLLBTNRIGHT",
        "SCROLLBTNLEFT",
        "PAGECONTROL",
        "SCROLLSLIDERV",
        "PAGECONTROLBOTTOM",
        "PAGECONTROLLEFT",
        "PAGECONTROLRIGHT",
        "COLHEADER",
        "STATUSBAR",
        "TABLEFT",
        "TABRIGHT",
        "TABBOTTOM",
        "BUTTON_HUGE",
        "SPEEDBUTTON_SMALL",
        "SPEEDBUTTON",
        "BUTTON",
        "UPDOWNBTN",
        "PROGRESSV",
        "SELECTION",
        "BUTTON_BIG",
        "EDIT",
        "HINT",
        "MENUBTN",
        "MENUCAPTION",
        "RIBBONPAGE",
        "RIBBONTAB",
        "TB_BTN",
        "TB_MENUBTN",
        "DIALOG",
        "FORM",
        "BARPANEL",
        "BARTITLE",
        "COMBOBOX",
        "ALPHAEDIT",
        "ALPHACOMBOBOX",
        "PANEL_HEADER",
        "HEADER_TOP",
        "HEADER_MIDDLE",
        "HEADER_BOTTOM",
        "PANEL",
        "BUTTON_GREEN",
        "BUTTON_RED",
        "PAGEL",
        "TABL",
        "SCROLLBAR1V",
        "SCROLLBAR2V",
        "SCROLLBTNBOTTOM",
        "SCROLLBTNTOP",
        "TABR",
        "TOOLBAR",
        "MENUITEM",
    };
    const auto options = Skin::parseOptionsFile(container().options());
    QVERIFY(options.ok());
    QList<QByteArray> names;
    for (const Skin::OptionsSection &section : options->sections)
        names.append(section.name);
    QCOMPARE(names.takeFirst(), QByteArray("GLOBALINFO"));
    QCOMPARE(names, expected);
    // Stored with CRLF line ends throughout.
    const QByteArray text = container().options();
    QCOMPARE(text.count("\r\n"), text.count('\n'));
}

void tst_KorvanelSkin::globalInfo_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("version") << QByteArray("VERSION") << QByteArray("8.00");
    QTest::newRow("description") << QByteArray("DESCRIPTION") << QByteArray("");
    QTest::newRow("suid") << QByteArray("SUID") << QByteArray("10");
    QTest::newRow("master") << QByteArray("MASTERBITMAP") << QByteArray("MASTER COPY.BMP");
    QTest::newRow("color") << QByteArray("COLOR") << QByteArray("9663761");
    QTest::newRow("hot color") << QByteArray("HOTCOLOR") << QByteArray("16776144");
    QTest::newRow("border color") << QByteArray("BORDERCOLOR") << QByteArray("13083999");
    QTest::newRow("shadow color") << QByteArray("SHADOW1COLOR") << QByteArray("5386787");
    QTest::newRow("tc top") << QByteArray("TCTOP") << QByteArray("33023");
    QTest::newRow("tc bottom") << QByteArray("TCBOTTOM") << QByteArray("65535");
    QTest::newRow("tc left") << QByteArray("TCLEFT") << QByteArray("16775367");
    QTest::newRow("bi space") << QByteArray("BISPACE") << QByteArray("-1");
    QTest::newRow("bi valign") << QByteArray("BIVALIGN") << QByteArray("1");
    QTest::newRow("close glow") << QByteArray("BICONCLOSEGLOW") << QByteArray("1");
    QTest::newRow("min glow margin") << QByteArray("BICONMINGLOWMARGIN") << QByteArray("10");
}

void tst_KorvanelSkin::globalInfo()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    const Skin::SkinData data = skin();
    const Skin::OptionsKey *found = data.globalInfo().find(key);
    QVERIFY2(found, key.constData());
    QCOMPARE(found->value, value);
    QVERIFY(!data.globalInfo().value("AUTHOR").isEmpty());
}

void tst_KorvanelSkin::namedSectionValues_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value"); // empty: the key must be absent
    const auto row = [](const char *section, const char *key, const char *value) {
        QTest::addRow("%s %s", section, key)
            << QByteArray(section) << QByteArray(key) << QByteArray(value);
    };
    row("FORM", "COLOR", "6769665");
    row("FORM", "HOTFONTCOLOR", "16775367");
    row("FORM", "PATTERN", "BG.JPG");
    row("FORM", "HOTIMAGEPERCENT", "100");
    row("FORM", "BORDERSMASK", "^0249^0010^0252^0013^0001^0001^0001^0001^1^0^1^1");
    row("FORM", "HOTTRANSPARENCY", "");
    row("TOOLBAR", "TRANSPARENCY", "50");
    row("TOOLBAR", "GRADIENTDATA",
        "16777088;10196557;43;0;0;10196557;9666629;1;0;0;9666629;16776960;53;0;0;16776960;"
        "16776960;0;0;0");
    row("TOOLBUTTON", "BORDERSMASK", "^0382^0128^0427^0158^0002^0000^0002^0000^3^1^5^1");
    row("TOOLBUTTON", "HOTTRANSPARENCY", "80");
    row("TOOLBUTTON", "FADINGITERATIONS", "10");
    row("CHECKBOX", "HOTTRANSPARENCY", "100");
    row("CHECKBOX", "FADINGITERATIONS", "20");
    row("CHECKBOX", "BORDERSMASK", "");
    row("CHECKBOX", "COLOR", "");
    row("BARPANEL", "COLOR", "16768685");
    row("BARPANEL", "HOTTRANSPARENCY", "0");
    row("HEADER_TOP", "BORDERSMASK", "^0310^0176^0322^0252^0006^0016^0005^0002^1^1^5^1");
    row("HEADER_BOTTOM", "HOTCOLOR", "15836762");
    row("EDIT", "TRANSPARENCY", "");
    row("SPEEDBUTTON_SMALL", "BORDERSMASK", "^0428^0128^0473^0158^0007^0007^0007^0007^3^1^7^1");
    row("BUTTON", "HOTTRANSPARENCY", "57");
    row("BUTTON_GREEN", "BORDERSMASK", "^0304^0000^0547^0062^0040^0023^0040^0007^3^1^5^1");
    row("BUTTON_RED", "FONTCOLOR", "16777215");
    row("PAGEL", "BORDERSMASK", "^0255^0053^0279^0101^0011^0010^0012^0013^1^1^5^1");
    row("TABL", "BORDERSMASK", "^0403^0159^0475^0207^0011^0009^0012^0014^3^1^5^1");
    row("TABR", "STATES", "3");
    row("PROGRESSH", "LRGN", "^0034^0040^0051^0057^0008^0008^0008^0008^1^0^5^1");
    row("PROGRESSH", "PATTERN", "N/A");
    row("ICOLINE", "BORDERSMASK", "^0015^0042^0022^0044^0000^0000^0001^0000^1^1^1^1");
}

void tst_KorvanelSkin::namedSectionValues()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    const Skin::SkinData data = skin();
    const int index = data.indexOf(section);
    QVERIFY(index >= 0);
    const Skin::OptionsKey *found = data.section(index).options.find(key);
    if (value.isEmpty()) {
        QVERIFY2(!found, found ? found->value.constData() : "");
    } else {
        QVERIFY(found);
        QCOMPARE(found->value, value);
    }
}

void tst_KorvanelSkin::sectionModel()
{
    const Skin::SkinData data = skin();
    QCOMPARE(data.sections().size(), 75);
    QCOMPARE(data.tabBottomIndex(), data.indexOf("TABBOTTOM"));
    QCOMPARE(data.indexOf("tabl"), -1);
    const Skin::SkinSection &toolbutton = data.section(data.indexOf("TOOLBUTTON"));
    QCOMPARE(toolbutton.look(0).transparency, 100);
    QCOMPARE(toolbutton.look(1).transparency, 80);
    QVERIFY(toolbutton.fadingEnabled);
    const Skin::SkinSection &form = data.section(data.indexOf("FORM"));
    QCOMPARE(form.look(0).color, qRgb(0x01, 0x4C, 0x67));
    QCOMPARE(form.look(0).fontColor, qRgb(0xC7, 0xF8, 0xFF));
    QVERIFY(!data.picture(form.look(0).pattern).isNull());
}

void tst_KorvanelSkin::tabStatesDiffer_data()
{
    QTest::addColumn<QByteArray>("section");
    for (const char *name : { "TABL", "TABBOTTOM", "TABR" })
        QTest::newRow(name) << QByteArray(name);
}

// Normal, hot and active must read differently: compare the pictures as they are painted.
void tst_KorvanelSkin::tabStatesDiffer()
{
    QFETCH(QByteArray, section);
    const Skin::SkinData data = skin();
    const Skin::BordersMask mask = *data.section(data.indexOf(section)).bordersMask;
    QCOMPARE(mask.stateSize(), QSize(24, 24));
    const QImage &master = data.masterBitmap();
    const auto luminance = [&](int state) {
        const QRect picture = mask.statePicture(state);
        const QRect cover = mask.stateMask(state);
        double sum = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb rgb = master.pixel(picture.x() + x, picture.y() + y);
                const double coverage
                    = (255 - qGray(master.pixel(cover.x() + x, cover.y() + y))) / 255.0;
                sum += (rgb & 0xFFFFFF) == 0xFF00FF ? 0 : qGray(rgb) * coverage;
            }
        }
        return sum / (24 * 24);
    };
    const double normal = luminance(0);
    const double hot = luminance(1);
    const double active = luminance(2);
    QVERIFY2(hot > normal + 8 && active > hot + 8,
        qPrintable(QStringLiteral("%1 %2 %3").arg(normal).arg(hot).arg(active)));
}

void tst_KorvanelSkin::formLetsPatternThrough()
{
    const Skin::SkinData data = skin();
    const QRect rect = data.section(data.indexOf("FORM")).bordersMask->rect;
    const QImage &master = data.masterBitmap();
    QCOMPARE(master.pixel(rect.center()) & 0xFFFFFF, 0xFF00FFu);
    QVERIFY((master.pixel(rect.topLeft()) & 0xFFFFFF) != 0xFF00FFu);
}

void tst_KorvanelSkin::glowsAreSoftHalos_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("reddish");
    QTest::newRow("close alone") << QByteArray("GlowCAlone.png") << true;
    QTest::newRow("close") << QByteArray("GlowClose.png") << true;
    QTest::newRow("max") << QByteArray("GlowMax.png") << false;
    QTest::newRow("min") << QByteArray("GlowMin.png") << false;
    QTest::newRow("norm") << QByteArray("GlowNorm.png") << false;
}

void tst_KorvanelSkin::glowsAreSoftHalos()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, reddish);
    const QImage glow = skin().picture(name).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!glow.isNull());
    const QRgb centre = glow.pixel(glow.width() / 2, glow.height() / 2);
    QVERIFY(qAlpha(centre) > 150);
    QCOMPARE(reddish, qRed(centre) > qBlue(centre));
    for (const QPoint corner : { QPoint(0, 0), QPoint(glow.width() - 1, glow.height() - 1) })
        QVERIFY(qAlpha(glow.pixel(corner)) < 8);
    // Soft: alpha falls off over several pixels instead of stepping at the button's edge.
    int steps = 0;
    for (int x = 0; x < 10; ++x)
        steps += qAlpha(glow.pixel(x + 1, glow.height() / 2))
            > qAlpha(glow.pixel(x, glow.height() / 2));
    QVERIFY(steps >= 6);
}

// The embedded skin is what the generator makes from the committed options file, every time.
void tst_KorvanelSkin::generatorIsDeterministic()
{
    QTemporaryDir first;
    QTemporaryDir second;
    for (const QTemporaryDir *dir : { &first, &second }) {
        QProcess art;
        art.start(QStringLiteral(KORVANEL_ART), { QStringLiteral(KORVANEL_OPTIONS), dir->path() });
        QVERIFY(art.waitForFinished(120000));
        QCOMPARE(art.exitCode(), 0);
    }
    const Skin::PackedContainer packed = container();
    for (const Skin::ContainerEntry &entry : packed.entries) {
        const QString name = QString::fromLatin1(entry.name);
        QFile a(QDir(first.path()).filePath(name));
        QFile b(QDir(second.path()).filePath(name));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray bytes = a.readAll();
        QVERIFY2(bytes == b.readAll(), qPrintable(name));
        QVERIFY2(bytes == entry.data, qPrintable(name));
    }
}

QTEST_MAIN(tst_KorvanelSkin)
#include "tst_korvanelskin.moc"
