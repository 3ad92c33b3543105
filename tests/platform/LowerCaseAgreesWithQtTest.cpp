#include "core/TextUtil.h"
#include "core/Windows1252.h"
#include "platform/qt/QtText.h"

#include <QTest>

using namespace quillet;

class LowerCaseAgreesWithQtTest : public QObject
{
    Q_OBJECT
private slots:
    void everyWindows1252Character()
    {
        for (int byte = 0; byte < 256; ++byte) {
            const char16_t unit = core::decodeWindows1252(static_cast<unsigned char>(byte));
            const QString qtLower = QString(QChar(unit)).toLower();
            const std::u16string ours(1, core::toLower(unit));
            QCOMPARE(platform::toQString(ours), qtLower);
        }
    }

    void textRoundTripsThroughQString()
    {
        const std::u16string text = u"canção \U0001F600";
        QCOMPARE(platform::toU16(platform::toQString(text)), text);
    }
};

QTEST_GUILESS_MAIN(LowerCaseAgreesWithQtTest)
#include "LowerCaseAgreesWithQtTest.moc"
