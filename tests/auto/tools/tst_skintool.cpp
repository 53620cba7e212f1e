#include "testskin.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run skintool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(SKINTOOL), arguments);
    process.waitForFinished(60000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError()) };
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_Skintool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        write(path("test.skin"), TestSkin::container());
        write(path("bad.skin"), "ASzx and more");
        QList<Skin::ContainerEntry> entries = TestSkin::entries();
        entries[0].data += "\r\n[X]\r\nGLOW0=!NOWHERE.PNG!1\r\n";
        write(path("dangling.skin"), Skin::writePackedContainer(entries).value());
    }

    void listsEntries()
    {
        const Run run = skintool({ QStringLiteral("list"), path("test.skin") });
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Options.dat\t%1").arg(TestSkin::options().size()));
        QVERIFY(lines[1].startsWith(QLatin1String("Master.bmp\t")));
    }

    void unpackThenPackGivesTheSameBytes()
    {
        const QString folder = path("unpacked");
        QCOMPARE(skintool({ QStringLiteral("unpack"), path("test.skin"), folder }).exitCode, 0);
        QCOMPARE(read(folder + QStringLiteral("/ORDER")),
            QByteArray("Options.dat\nMaster.bmp\nEx.png\n"));
        QCOMPARE(skintool({ QStringLiteral("pack"), folder, path("repacked.skin") }).exitCode, 0);
        QCOMPARE(read(path("repacked.skin")), TestSkin::container());
    }

    void renders()
    {
        const Run run = skintool({ QStringLiteral("render"), path("test.skin"),
            QStringLiteral("BOX"), QStringLiteral("1"), QStringLiteral("37x21"), path("box.png") });
        QCOMPARE(run.exitCode, 0);
        const QImage image(path("box.png"));
        QCOMPARE(image.size(), QSize(37, 21));
        QCOMPARE(QColor(image.pixel(18, 10)).name(), QColor(TestSkin::green).name());
    }

    void sheet()
    {
        QCOMPARE(
            skintool({ QStringLiteral("sheet"), path("test.skin"), path("sheet.png") }).exitCode,
            0);
        QVERIFY(!QImage(path("sheet.png")).isNull());
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString good = path("test.skin");
        QTest::newRow("no command") << QStringList() << 2 << "usage: skintool";
        QTest::newRow("unknown command")
            << QStringList { "explode", good } << 2 << "usage: skintool";
        QTest::newRow("wrong argument count") << QStringList { "list" } << 2 << "usage: skintool";
        QTest::newRow("missing file")
            << QStringList { "list", path("absent.skin") } << 1 << "cannot read";
        QTest::newRow("not a skin") << QStringList { "verify", path("bad.skin") } << 1
                                    << "Loaded data is not a packed skin file";
        QTest::newRow("verify finds a dangling reference")
            << QStringList { "verify", path("dangling.skin") } << 1
            << "[X] GLOW0 (line 40): entry \"NOWHERE.PNG\" is not in the container";
        QTest::newRow("verify wants the program's sections")
            << QStringList { "verify", good } << 1 << "section [TOOLBAR] is missing";
        QTest::newRow("unknown section") << QStringList { "render", good, "box", "0", "10x10",
            path("x.png") } << 1 << "no section [box]";
        QTest::newRow("bad state") << QStringList { "render", good, "BOX", "3", "10x10",
            path("x.png") } << 1 << "state must be 0, 1 or 2";
        QTest::newRow("bad size") << QStringList { "render", good, "BOX", "0", "0x10",
            path("x.png") } << 1 << "size must be WxH";
        QTest::newRow("pack from nowhere")
            << QStringList { "pack", path("nowhere"), path("x.skin") } << 1 << "is not a directory";
        QTest::newRow("pack without options")
            << QStringList { "pack", m_empty.path(), path("x.skin") } << 1 << "Options.dat";
    }

    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run run = skintool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString path(const char *name) const { return path(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    QTemporaryDir m_empty;
};

QTEST_GUILESS_MAIN(tst_Skintool)
#include "tst_skintool.moc"
