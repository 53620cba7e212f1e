#include "skin/skindata.h"
#include "skin/skinverifier.h"
#include "testskin.h"

#include <QTest>

class tst_SkinVerifier : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void problems_data()
    {
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<QString>("problem");
        QTest::newRow("consistent") << QByteArray() << QString();
        QTest::newRow("rectangle outside the master bitmap")
            << QByteArray("[X]\r\nBORDERSMASK=^0030^0000^0050^0020^0001^0001^0001^0001^1^1^5^1\r\n")
            << "[X] BORDERSMASK (line 40): rectangle 30,0 to 50,20 lies outside the 40 × 20 master "
               "bitmap";
        QTest::newRow("states do not split the width")
            << QByteArray("[X]\r\nBORDERSMASK=^0000^0000^0031^0020^0001^0001^0001^0001^3^1^5^1\r\n")
            << "[X] BORDERSMASK (line 40): width 31 does not split into 3 states";
        QTest::newRow("odd height with masks")
            << QByteArray("[X]\r\nCHECK=@0000@0000@0010@0011@1@1\r\n")
            << "[X] CHECK (line 40): height 11 does not split into pictures and masks";
        QTest::newRow("borders wider than a state")
            << QByteArray("[X]\r\nBORDERSMASK=^0000^0000^0030^0020^0006^0001^0006^0001^3^1^5^1\r\n")
            << "[X] BORDERSMASK (line 40): borders 6,1,6,1 do not fit the 10 × 10 state picture";
        QTest::newRow("dangling reference")
            << QByteArray("[X]\r\nGLOW0=!GLOWMAX.PNG!1\r\n")
            << "[X] GLOW0 (line 40): entry \"GLOWMAX.PNG\" is not in the container";
        QTest::newRow("reference to no picture")
            << QByteArray("[X]\r\nGLOW0=!ex.png!1\r\n")
            << "[X] GLOW0 (line 40): entry \"ex.png\" is not a readable picture";
        QTest::newRow("missing pattern")
            << QByteArray("[X]\r\nPATTERN=BG.JPG\r\n")
            << "[X] PATTERN (line 40): entry \"BG.JPG\" is not in the container";
        QTest::newRow("malformed picture") << QByteArray("[X]\r\nCHECK=@1@2\r\n")
                                           << "[X] CHECK (line 40): picture \"@1@2\" has 2 fields, expected 6";
    }

    void problems()
    {
        QFETCH(QByteArray, extra);
        QFETCH(QString, problem);
        QList<Skin::ContainerEntry> entries = TestSkin::entries();
        if (!extra.isEmpty())
            entries[0].data += "\r\n" + extra;
        const auto skin
            = Skin::SkinData::fromContainerBytes(Skin::writePackedContainer(entries).value());
        QVERIFY2(skin.ok(), qPrintable(skin.error()));
        const QStringList found = Skin::verifySkin(*skin, { "BOX", "TABBOTTOM" });
        QCOMPARE(found, problem.isEmpty() ? QStringList() : QStringList { problem });
    }

    void missingRequiredSections()
    {
        const auto skin = Skin::SkinData::fromContainerBytes(TestSkin::container());
        QVERIFY(skin.ok());
        QCOMPARE(Skin::verifySkin(*skin, { "BOX", "TABL", "box" }),
            QStringList({ "section [TABL] is missing", "section [box] is missing" }));
    }
};

QTEST_MAIN(tst_SkinVerifier)
#include "tst_skinverifier.moc"
