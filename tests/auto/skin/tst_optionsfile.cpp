#include "skin/optionsfile.h"
#include "skin/optionvalues.h"

#include <QTest>

class tst_OptionsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesSectionsInOrder()
    {
        const auto file
            = Skin::parseOptionsFile("[GLOBALINFO]\r\nVERSION=8.00\r\nDESCRIPTION=\r\n\r\n"
                                     "[TABR]\nSTATES = 3\nUNKNOWNKEY=a=b\n\n[EDIT]\r\n");
        QVERIFY2(file.ok(), qPrintable(file.error()));
        QCOMPARE(file->sections.size(), 3);
        QCOMPARE(file->sections.at(1).name, "TABR");
        QCOMPARE(file->sections.at(1).line, 5);
        const Skin::OptionsSection &tabr = *file->find("TABR");
        QCOMPARE(tabr.value("STATES"), "3");
        QCOMPARE(tabr.find("STATES")->line, 6);
        QCOMPARE(tabr.value("UNKNOWNKEY"), "a=b");
        QCOMPARE(file->find("GLOBALINFO")->value("DESCRIPTION", "absent"), "");
        QCOMPARE(file->find("tabr"), nullptr);
    }

    void writesCrlfWithBlankLinesBetweenSections()
    {
        const QByteArray text
            = "[GLOBALINFO]\r\nVERSION=8.00\r\n\r\n[TABR]\r\nSTATES=3\r\n\r\n[EDIT]\r\n";
        const auto file = Skin::parseOptionsFile(text);
        QVERIFY(file.ok());
        QCOMPARE(Skin::writeOptionsFile(*file), text);
    }

    void malformedFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("key before any section")
            << QByteArray("A=1\r\n") << "line 1: key before the first section";
        QTest::newRow("unclosed head")
            << QByteArray("[A]\r\n\r\n[B\r\n") << "line 3: malformed section head";
        QTest::newRow("empty head") << QByteArray("[ ]\r\n") << "line 1: empty section name";
        QTest::newRow("no equals sign")
            << QByteArray("[A]\r\nSTATES 3\r\n") << "line 2: expected KEY=value";
        QTest::newRow("empty key") << QByteArray("[A]\r\n=3\r\n") << "line 2: empty key";
        QTest::newRow("section twice")
            << QByteArray("[A]\r\n[B]\r\n[A]\r\n") << "line 3: section [A] appears twice";
        QTest::newRow("key twice")
            << QByteArray("[A]\r\nK=1\r\nK=2\r\n") << "line 3: key K appears twice in [A]";
        QTest::newRow("NUL byte") << QByteArray("[A]\r\nK=\0\r\n", 10)
                                  << "line 2: holds a NUL byte";
    }

    void malformedFile()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        const auto file = Skin::parseOptionsFile(text);
        QVERIFY(!file.ok());
        QVERIFY2(file.error().contains(message), qPrintable(file.error()));
    }

    void values_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected"); // the parsed value, or "error: <message part>"

        QTest::newRow("colour is BGR") << "color" << QByteArray("6769665") << "#014c67";
        QTest::newRow("colour white") << "color" << QByteArray("16777215") << "#ffffff";
        QTest::newRow("colour negative") << "color" << QByteArray("-1") << "error: out of range";
        QTest::newRow("colour above 24 bits")
            << "color" << QByteArray("16777216") << "error: out of range";
        QTest::newRow("colour word")
            << "color" << QByteArray("blue") << "error: not a colour number";
        QTest::newRow("number negative") << "number" << QByteArray("-1") << "-1";
        QTest::newRow("number huge")
            << "number" << QByteArray("99999999999") << "error: out of range";
        QTest::newRow("percent") << "percent" << QByteArray("57") << "57";
        QTest::newRow("percent above 100")
            << "percent" << QByteArray("101") << "error: not a percentage";
        QTest::newRow("bool TRUE") << "bool" << QByteArray("TRUE") << "true";
        QTest::newRow("bool False") << "bool" << QByteArray("False") << "false";
        QTest::newRow("bool other") << "bool" << QByteArray("YES") << "error: not TRUE or FALSE";
        QTest::newRow("picture") << "picture" << QByteArray("@0091@0072@0136@0102@3@1")
                                 << "91,72 45x30 3 1";
        QTest::newRow("picture short") << "picture" << QByteArray("@0091@0072@0136@0102@3")
                                       << "error: has 5 fields, expected 6";
        QTest::newRow("picture empty rect")
            << "picture" << QByteArray("@0091@0072@0091@0102@3@1") << "error: empty or negative";
        QTest::newRow("picture no prefix")
            << "picture" << QByteArray("0091@0072@0136@0102@3@1") << "error: must start with '@'";
        QTest::newRow("picture zero states")
            << "picture" << QByteArray("@0@0@10@10@0@0") << "error: state count";
        QTest::newRow("borders mask")
            << "borders" << QByteArray("^0382^0128^0427^0158^0002^0000^0002^0000^3^1^5^1")
            << "382,128 45x30 2,0,2,0 3 1 5 1 state 15x15";
        QTest::newRow("borders mask without mask")
            << "borders" << QByteArray("^0249^0010^0252^0013^0001^0001^0001^0001^1^0^1^1")
            << "249,10 3x3 1,1,1,1 1 0 1 1 state 3x3";
        QTest::newRow("borders mask eleven") << "borders" << QByteArray("^0^0^10^10^0^0^0^0^1^0^1")
                                             << "error: has 11 fields, expected 12";
        QTest::newRow("borders mask letter")
            << "borders" << QByteArray("^0^0^10^1x^0^0^0^0^1^0^1^1")
            << "error: \"1x\" is not a number";
        QTest::newRow("borders mask zero states")
            << "borders" << QByteArray("^0^0^10^10^0^0^0^0^0^0^1^1") << "error: state count";
        QTest::newRow("borders mask negative border")
            << "borders" << QByteArray("^0^0^10^10^-1^0^0^0^1^0^1^1") << "error: negative border";
        QTest::newRow("reference")
            << "reference" << QByteArray("!GLOWNORM.PNG!1!0!4!0000!0000!0000!0000!0")
            << "GLOWNORM.PNG 1,0,4,0,0,0,0,0";
        QTest::newRow("reference alone") << "reference" << QByteArray("!BG.JPG") << "BG.JPG ";
        QTest::newRow("reference no name")
            << "reference" << QByteArray("!!1") << "error: names no entry";
        QTest::newRow("gradient") << "gradient"
                                  << QByteArray("16512;319999;75;0;0;319999;319999;22;1;0")
                                  << "#804000>#ffe104 75 0|#ffe104>#ffe104 22 1";
        QTest::newRow("gradient none") << "gradient" << QByteArray("N/A") << "";
        QTest::newRow("gradient four")
            << "gradient" << QByteArray("1;2;3;4") << "error: not groups of five";
        QTest::newRow("gradient bad share")
            << "gradient" << QByteArray("1;2;300;0;0") << "error: gradient group 1";
    }

    void values()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        QString got;
        QString error;
        const auto name = [](QRgb rgb) { return QColor::fromRgb(rgb).name(); };
        if (kind == QLatin1String("color")) {
            const auto r = Skin::parseColor(text);
            got = r ? name(*r) : QString();
            error = r.error();
        } else if (kind == QLatin1String("number") || kind == QLatin1String("percent")) {
            const auto r = kind == QLatin1String("number") ? Skin::parseNumber(text)
                                                           : Skin::parsePercent(text);
            got = r ? QString::number(*r) : QString();
            error = r.error();
        } else if (kind == QLatin1String("bool")) {
            const auto r = Skin::parseBool(text);
            got = r ? QLatin1String(*r ? "true" : "false") : QString();
            error = r.error();
        } else if (kind == QLatin1String("picture")) {
            const auto r = Skin::parseMasterPicture(text);
            if (r) {
                got = QStringLiteral("%1,%2 %3x%4 %5 %6")
                          .arg(r->rect.x())
                          .arg(r->rect.y())
                          .arg(r->rect.width())
                          .arg(r->rect.height())
                          .arg(r->states)
                          .arg(int(r->masked));
            }
            error = r.error();
        } else if (kind == QLatin1String("borders")) {
            const auto r = Skin::parseBordersMask(text);
            if (r) {
                const QMargins b = r->borders;
                got = QStringLiteral("%1,%2 %3x%4 %5,%6,%7,%8 %9 %10 %11 %12 state %13x%14")
                          .arg(r->rect.x())
                          .arg(r->rect.y())
                          .arg(r->rect.width())
                          .arg(r->rect.height())
                          .arg(b.left())
                          .arg(b.top())
                          .arg(b.right())
                          .arg(b.bottom())
                          .arg(r->states)
                          .arg(int(r->masked))
                          .arg(r->drawMode)
                          .arg(r->flag)
                          .arg(r->stateSize().width())
                          .arg(r->stateSize().height());
            }
            error = r.error();
        } else if (kind == QLatin1String("reference")) {
            const auto r = Skin::parseEntryReference(text);
            if (r) {
                QStringList fields;
                for (int field : r->fields)
                    fields.append(QString::number(field));
                got = QString::fromLatin1(r->name) + QLatin1Char(' ')
                    + fields.join(QLatin1Char(','));
            }
            error = r.error();
        } else {
            const auto r = Skin::parseGradient(text);
            if (r) {
                QStringList groups;
                for (const Skin::GradientSegment &s : *r)
                    groups.append(QStringLiteral("%1>%2 %3 %4")
                                      .arg(name(s.from), name(s.to))
                                      .arg(s.share)
                                      .arg(s.mode));
                got = groups.join(QLatin1Char('|'));
            }
            error = r.error();
        }
        if (expected.startsWith(QLatin1String("error: "))) {
            QVERIFY2(!error.isEmpty(), qPrintable(got));
            QVERIFY2(error.contains(expected.mid(7)), qPrintable(error));
        } else {
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(got, expected);
        }
    }

    void statePictures_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QRect>("picture");
        QTest::addColumn<QRect>("mask");
        QTest::newRow("normal") << 0 << QRect(304, 0, 81, 31) << QRect(304, 31, 81, 31);
        QTest::newRow("hot") << 1 << QRect(385, 0, 81, 31) << QRect(385, 31, 81, 31);
        QTest::newRow("active") << 2 << QRect(466, 0, 81, 31) << QRect(466, 31, 81, 31);
        QTest::newRow("beyond the last state")
            << 7 << QRect(466, 0, 81, 31) << QRect(466, 31, 81, 31);
    }

    void statePictures()
    {
        QFETCH(int, state);
        QFETCH(QRect, picture);
        QFETCH(QRect, mask);
        const auto green
            = Skin::parseBordersMask("^0304^0000^0547^0062^0040^0023^0040^0007^3^1^5^1");
        QVERIFY(green.ok());
        QCOMPARE(green->statePicture(state), picture);
        QCOMPARE(green->stateMask(state), mask);
    }
};

QTEST_APPLESS_MAIN(tst_OptionsFile)
#include "tst_optionsfile.moc"
