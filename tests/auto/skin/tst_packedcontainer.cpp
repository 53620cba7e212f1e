#include "skin/packedcontainer.h"
#include "testskin.h"

#include <QTest>

#include <zlib.h>

namespace {

QByteArray u32(quint32 value)
{
    const char bytes[4] = { char(value), char(value >> 8), char(value >> 16), char(value >> 24) };
    return QByteArray(bytes, 4);
}

QByteArray deflated(const QByteArray &data)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), '\0');
    compress(reinterpret_cast<Bytef *>(out.data()), &size,
        reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()));
    out.truncate(qsizetype(size));
    return out;
}

QByteArray entry(const QByteArray &name, quint32 size, const QByteArray &stream)
{
    return u32(quint32(name.size())) + name + u32(size) + stream;
}

QByteArray goodEntry(const QByteArray &name, const QByteArray &data)
{
    return entry(name, quint32(data.size()), deflated(data));
}

QByteArray header(quint32 count)
{
    return QByteArray("ASzf") + u32(count);
}

const QByteArray options = "[GLOBALINFO]\r\n";
const QByteArray picture = QByteArray(300, 'p');

} // namespace

class tst_PackedContainer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void malformed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");

        const QByteArray first = goodEntry("Options.dat", options);
        const QByteArray stream = deflated(picture);
        const QString second
            = QStringLiteral("entry 1 'Ex.png' at offset %1").arg(8 + first.size());

        QTest::newRow("empty input") << QByteArray() << "Loaded data is not a packed skin file";
        QTest::newRow("wrong magic")
            << QByteArray("ASzg") + u32(1) + first << "Loaded data is not a packed skin file";
        QTest::newRow("no count") << QByteArray("ASzf\1")
                                  << "truncated header: no entry count at offset 4";
        QTest::newRow("zero entries") << header(0) << "no entries";
        QTest::newRow("absurd count")
            << header(0xFFFFFFFF) + first << "entry count 4294967295 at offset 4 cannot fit";
        QTest::newRow("truncated name length")
            << header(2) + first + QByteArray("\1\0\0", 3)
            << QStringLiteral("entry 1 at offset %1: truncated name length").arg(8 + first.size());
        QTest::newRow("name length past the end")
            << header(2) + first + u32(0x7FFFFFFF) + QByteArray(16, 'x')
            << QStringLiteral("entry 1 at offset %1: name length 2147483647 runs past the end")
                   .arg(8 + first.size());
        QTest::newRow("empty name") << header(1) + entry("", 1, deflated("x")) + QByteArray(8, 'x')
                                    << "entry 0 at offset 8: empty name";
        QTest::newRow("truncated size") << header(2) + first + u32(6) + QByteArray("Ex.png")
                + QByteArray(2, '\0') << second + ": truncated size";
        QTest::newRow("absurd size") << header(2) + first + entry("Ex.png", 0xFFFFFFF0, stream)
                                     << second + ": size 4294967280 cannot come from";
        QTest::newRow("size beyond what the bytes can inflate to")
            << header(2) + first + entry("Ex.png", 100 * 1000 * 1000, stream)
            << second + ": size 100000000 cannot come from";
        QTest::newRow("stream ends early")
            << header(2) + first + entry("Ex.png", picture.size(), stream.left(stream.size() / 2))
            << second + ": stream ends after";
        QTest::newRow("stream shorter than size")
            << header(2) + first + entry("Ex.png", picture.size() + 5, stream)
            << second + ": stream inflates to 300 bytes, 305 expected";
        QTest::newRow("stream longer than size")
            << header(2) + first + entry("Ex.png", picture.size() - 1, stream)
            << second + ": stream inflates to more than 299 bytes";
        QByteArray corrupt = stream;
        corrupt[3] = char(0xFF);
        corrupt[4] = char(0xFF);
        QTest::newRow("corrupt stream")
            << header(2) + first + entry("Ex.png", picture.size(), corrupt)
            << second + ": corrupt stream";
        QByteArray badChecksum = stream;
        badChecksum[badChecksum.size() - 1] = char(badChecksum.back() ^ 0x55);
        QTest::newRow("bad checksum")
            << header(2) + first + entry("Ex.png", picture.size(), badChecksum)
            << second + ": corrupt stream (incorrect data check)";
        QTest::newRow("no options file")
            << header(1) + goodEntry("Ex.png", picture) << "container has no \"Options.dat\" entry";
        QTest::newRow("duplicate names")
            << header(3) + first + goodEntry("Ex.png", picture) + goodEntry("EX.PNG", picture)
            << "entry 2 'EX.PNG' at offset";
        QTest::newRow("bytes after the last entry")
            << header(1) + first + "junk"
            << QStringLiteral("4 unexpected bytes after the last entry at offset %1")
                   .arg(8 + first.size());
        QTest::newRow("count larger than entries")
            << header(2) + first + QByteArray(16, '\0') << "entry 1 at offset";
    }

    void malformed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const auto result = Skin::readPackedContainer(bytes);
        QVERIFY(!result.ok());
        QVERIFY2(result.error().contains(message), qPrintable(result.error()));
    }

    void roundTrip()
    {
        const QList<Skin::ContainerEntry> entries = TestSkin::entries();
        const QByteArray bytes = Skin::writePackedContainer(entries).value();
        QCOMPARE(Skin::writePackedContainer(entries).value(), bytes);

        const auto read = Skin::readPackedContainer(bytes);
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QCOMPARE(read->entries.size(), entries.size());
        for (qsizetype i = 0; i < entries.size(); ++i) {
            QCOMPARE(read->entries.at(i).name, entries.at(i).name);
            QCOMPARE(read->entries.at(i).data, entries.at(i).data);
        }
        QCOMPARE(read->optionsIndex, 0);
        QCOMPARE(read->pictureCount(), 2);
    }

    void optionsFoundInAnyCase()
    {
        const QByteArray bytes = header(3) + goodEntry("Ex.png", picture)
            + goodEntry("oPTIONS.DAT", options) + goodEntry("Empty.bmp", {});
        const auto read = Skin::readPackedContainer(bytes);
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QCOMPARE(read->optionsIndex, 1);
        QCOMPARE(read->options(), options);
        QCOMPARE(read->indexOf("ex.PNG"), 0);
        QVERIFY(Skin::PackedContainer::isBitmapName(read->entries.at(2).name));
        QVERIFY(!Skin::PackedContainer::isBitmapName("bmp"));
    }

    void writerRefusesUnreadableContainers_data()
    {
        QTest::addColumn<QList<Skin::ContainerEntry>>("entries");
        QTest::newRow("no options") << QList<Skin::ContainerEntry> { { "Ex.png", "x" } };
        QTest::newRow("repeated name") << QList<Skin::ContainerEntry> { { "Options.dat", "" },
            { "a.png", "" }, { "A.PNG", "" } };
        QTest::newRow("empty name")
            << QList<Skin::ContainerEntry> { { "Options.dat", "" }, { "", "" } };
    }

    void writerRefusesUnreadableContainers()
    {
        QFETCH(QList<Skin::ContainerEntry>, entries);
        QVERIFY(!Skin::writePackedContainer(entries).ok());
    }
};

QTEST_APPLESS_MAIN(tst_PackedContainer)
#include "tst_packedcontainer.moc"
