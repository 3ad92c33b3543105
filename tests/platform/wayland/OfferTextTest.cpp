// The Wayland clipboard's choices and pipe reads, against pipes this test
// fills as another program would: no compositor needed.

#include "platform/wayland/DataControl.h"
#include "platform/wayland/OfferText.h"
#include "platform/wayland/PipeTransfer.h"

#include <QTest>

#include <unistd.h>

#include <map>
#include <optional>
#include <tuple>

using namespace quillet::platform;

namespace {

const std::string kHint = "x-kde-passwordManagerHint";

// Plays an offer's owner: each type's bytes wait in a pipe that is then
// closed, except the `stalled` type's, whose writer never finishes.
std::u16string readOffer(const std::map<std::string, QByteArray>& offer,
                         const std::string& stalled = {})
{
    std::vector<std::string> types;
    for (const auto& entry : offer) types.push_back(entry.first);
    std::vector<int> open;
    const auto receive = [&](const std::string& type) {
        int fds[2];
        if (::pipe(fds) != 0 || ::write(fds[1], offer.at(type).data(), offer.at(type).size()) < 0)
            return -1;
        if (type == stalled)
            open.push_back(fds[1]);
        else
            ::close(fds[1]);
        return fds[0];
    };
    QObject context;
    std::optional<std::u16string> text;
    readOfferText(
        types, receive, &context, [&](const std::u16string& t) { text = t; });
    (void)QTest::qWaitFor([&] { return text.has_value(); }, 5 * kPipeMilliseconds);
    for (const int fd : open) ::close(fd);
    return text.value_or(u"(no answer)");
}

}  // namespace

class OfferTextTest : public QObject
{
    Q_OBJECT
private slots:
    void protocolFromTheGlobals()
    {
        using P = DataControl::Protocol;
        const std::pair<std::vector<std::string>, P> rows[] = {
            {{"wl_seat", "zwlr_data_control_manager_v1", "ext_data_control_manager_v1"}, P::Ext},
            {{"zwlr_data_control_manager_v1", "wl_seat"}, P::Wlr},
            {{"wl_seat", "wl_data_device_manager"}, P::None},
            {{"ext_data_control_manager_v1"}, P::None},  // no seat
        };
        for (const auto& [globals, protocol] : rows)
            QVERIFY(DataControl::chooseProtocol(globals) == protocol);
    }

    void textOfAnOffer()
    {
        const std::string plain = "text/plain", utf8 = "UTF8_STRING";
        const std::string best = "text/plain;charset=utf-8";
        // The offer's types and bytes, the type whose owner stalls, the text read.
        const std::tuple<std::map<std::string, QByteArray>, std::string, std::u16string> rows[] = {
            {{{plain, "plain"}, {utf8, "utf8"}}, {}, u"utf8"},
            {{{utf8, "x"}, {plain, "y"}, {best, "best"}}, {}, u"best"},
            {{{plain, "casa"}}, {}, u"casa"},
            // A type naming no charset: Windows-1252 unless the bytes are
            // UTF-8, which a text cut inside a character still is.
            {{{plain, "cora\xE7\xE3o \x80"}}, {}, u"coração €"},
            {{{plain, "a" + QByteArray("\xC3\xA9").repeated(10'000)}},
             {},
             u"a" + std::u16string(8191, u'é') + u"\uFFFD"},
            {{{"image/png", "\x89PNG"}}, {}, u""},
            {{{utf8, "hunter2"}, {kHint, "secret\n"}}, {}, u""},
            {{{utf8, "hunter2"}, {kHint, "public"}}, {}, u"hunter2"},
            {{{utf8, "can\xC3\xA7\xC3\xA3o \xFF caf\xC3"}}, {}, u"canção \uFFFD caf\uFFFD"},
            {{{utf8, QByteArray(40'000, 'a')}}, {}, std::u16string(16 * 1024, u'a')},
            // An owner that never finishes: the text as far as it came; a
            // mark that never ends might be "secret".
            {{{utf8, "par"}}, utf8, u"par"},
            {{{utf8, "hunter2"}, {kHint, "public"}}, kHint, u""},
        };
        for (const auto& [offer, stalled, text] : rows) QCOMPARE(readOffer(offer, stalled), text);
    }

    // More than a pipe holds, so both ends wait on each other many times.
    void bytesWrittenAreReadBackWhole()
    {
        QByteArray bytes;
        for (int i = 0; bytes.size() < 200'000; ++i) bytes += QByteArray::number(i) + ' ';
        int fds[2];
        QVERIFY(::pipe(fds) == 0);
        QObject context;
        writePipe(fds[1], bytes, &context);
        std::optional<std::pair<QByteArray, bool>> read;
        readPipe(fds[0], 1 << 20, &context,
                 [&](const QByteArray& got, bool whole) { read.emplace(got, whole); });
        QTRY_VERIFY(read.has_value());
        QVERIFY(read->second);
        QCOMPARE(read->first, bytes);
    }
};

QTEST_MAIN(OfferTextTest)
#include "OfferTextTest.moc"
