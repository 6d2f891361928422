#include "core/text/Encoding.h"

#include <QtTest>

using namespace linealidad;

class TestEncoding : public QObject {
    Q_OBJECT
private slots:
    void validUtf8() {
        QVERIFY(isValidUtf8(""));
        QVERIFY(isValidUtf8("Absorbancia 1,5"));
        QVERIFY(isValidUtf8("Área del pico \xE2\x82\xAC \xF0\x9F\x98\x80"));
        QVERIFY(!isValidUtf8("M\xE9todo"));            // Windows-1252 é
        QVERIFY(!isValidUtf8("\xC0\xAF"));             // overlong '/'
        QVERIFY(!isValidUtf8("\xE0\x80\xAF"));         // overlong in three bytes
        QVERIFY(!isValidUtf8("\xED\xA0\x80"));         // a surrogate
        QVERIFY(!isValidUtf8("\xF4\x90\x80\x80"));     // beyond U+10FFFF
        QVERIFY(!isValidUtf8("fin cortado \xE2\x82")); // sequence cut by the end
        QVERIFY(!isValidUtf8("\x80"));                 // a stray continuation byte
    }

    void windows1252ToUtf8Test() {
        QCOMPARE(windows1252ToUtf8("\x80 \xF3 \x9F \xA0"), std::string("€ ó Ÿ \u00A0"));
        QCOMPARE(windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"),
                 std::string("\u0081\u008D\u008F\u0090\u009D"));
    }

    void allBytesComeBack() {
        std::string bytes;
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
        const std::string text = windows1252ToUtf8(bytes);
        QVERIFY(isValidUtf8(text));
        const auto back = utf8ToWindows1252(text);
        QVERIFY(back);
        QCOMPARE(*back, bytes);
    }

    void whatDoesNotFitInWindows1252() {
        QCOMPARE(utf8ToWindows1252("Método €"), std::optional<std::string>("M\xE9todo \x80"));
        QVERIFY(!utf8ToWindows1252("α"));
        QVERIFY(!utf8ToWindows1252("✓"));
        QVERIFY(!utf8ToWindows1252("\u0080"));    // a control character 0x80 does not name
        QVERIFY(!utf8ToWindows1252("M\xE9todo")); // not UTF-8 to begin with
    }
};

QTEST_APPLESS_MAIN(TestEncoding)
#include "tst_encoding.moc"
