#include "core/ErrorReport.h"
#include "core/Messages.h"

#include "BuildConfig.h"
#include "fakes/FakeDialogs.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <utility>
#include <vector>

using namespace quillet::core;
using quillet::fakes::FakeDialogs;
using quillet::platform::MessageButtons;
using quillet::platform::MessageIcon;

namespace {

SharedState stateIn(std::int16_t language)
{
    SharedState state;
    state.interfaceLanguage = language;
    loadMessages(state);
    return state;
}

// The numbers the program has always used; numbers from 91 up are its own
// later additions, which must exist in both languages.
const std::set<int> kListedNumbers = {0,  1,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                      29, 40, 73, 74, 75, 76, 84, 87, 88, 89, 90};
constexpr int kFirstAddedNumber = 91;

}  // namespace

TEST(Messages, OnlyTheListedNumbersAreFilledInBothLanguages)
{
    const auto portuguese = stateIn(0);
    const auto english = stateIn(1);
    int filled = 0;
    for (int number = 0; number < kFirstAddedNumber; ++number) {
        const bool listed = kListedNumbers.count(number) == 1;
        EXPECT_EQ(!portuguese.messages[number].empty(), listed) << "message " << number;
        EXPECT_EQ(!english.messages[number].empty(), listed) << "message " << number;
        filled += listed && !english.messages[number].empty() ? 1 : 0;
    }
    EXPECT_EQ(filled, 23);
    for (int number = kFirstAddedNumber; number < kMessageCount; ++number) {
        EXPECT_EQ(portuguese.messages[number].empty(), english.messages[number].empty())
            << "message " << number;
    }
    EXPECT_FALSE(english.messages[kMsgSettingsNotSaved].empty());
}

TEST(Messages, TrickyTextsAreExactInBothLanguages)
{
    // language, number, text
    const std::vector<std::tuple<std::int16_t, int, std::u16string>> texts = {
        {0, 0, u" Por favor aguarde... "},
        {0, 3, u"Instala\u00E7\u00E3o incorreta, favor re-instalar o dicion\u00E1rio!"},
        {0, 8, u"anote este c\u00F3digo: "},
        {0, 9, u" e envie e-mail para"},
        {0, 76,
         u"Uma nova vers\u00E3o do Quillet 2007 est\u00E1 dispon\u00EDvel para download!"
         u"\x000A\x000D"
         u"Deseja fazer o download da nova vers\u00E3o agora?"},
        {0, 90, u"Erro! N\u00E3o foi poss\u00EDvel iniciar o sintetizador de voz!"},
        {0, 4, u"Aten\u00E7\u00E3o!"},
        {0, 88, u"Tradu\u00E7\u00E3o"},
        {0, 91, u"N\u00E3o foi poss\u00EDvel gravar as configura\u00E7\u00F5es em "},
        {1, 0, u" Wait, please... "},
        {1, 3, u"Error! Re-install Quillet 2007, please!"},
        {1, 8, u"note this code: "},
        {1, 9, u" and send an e-mail to "},
        {1, 76,
         u"A new Quillet 2007 version is available!\x000A\x000D"
         u"Do you want to download the new version now?"},
        {1, 90, u"Error! Can't start the voice system!"},
        {1, 73, u"<Type the word to search here or select the word in text and press Ctrl+C>"},
        {1, 91, u"Could not save the settings to "},
    };
    const SharedState states[] = {stateIn(0), stateIn(1)};
    for (const auto& [language, number, text] : texts) {
        EXPECT_EQ(states[language].messages[number], text)
            << "language " << language << ", message " << number;
    }
}

TEST(Messages, AnyLanguageOtherThanZeroIsEnglishAndSupportAddressIsShared)
{
    const auto english = stateIn(1);
    const auto other = stateIn(2);
    const auto negative = stateIn(-1);
    EXPECT_EQ(other.messages, english.messages);
    EXPECT_EQ(negative.messages, english.messages);
    EXPECT_EQ(stateIn(0).messages[10], std::u16string(quillet::build::supportEmail));
    EXPECT_EQ(english.messages[10], std::u16string(quillet::build::supportEmail));
}

TEST(Messages, ReloadingSwitchesEveryTextAndClearsStrayOnes)
{
    auto state = stateIn(0);
    state.messages[2] = u"stray";
    state.interfaceLanguage = 1;
    loadMessages(state);
    EXPECT_EQ(state.messages[1], u"Not found!");
    EXPECT_EQ(state.messages[40], u"&Close");
    EXPECT_TRUE(state.messages[2].empty());
    state.interfaceLanguage = 0;
    loadMessages(state);
    EXPECT_EQ(state.messages[1], u"N\u00E3o encontrado!");
}

// Portuguese line 3 ends right after "para"; neither layout has a CR.
TEST(ErrorReport, LayoutInBothLanguages)
{
    const std::u16string email(quillet::build::supportEmail);
    const std::vector<std::pair<std::u16string, std::u16string>> reports = {
        {u"Erro A07QL - Quillet!",
         u"Um erro de arquivo ocorreu durante a opera\u00E7\u00E3o!\n"
         u"A opera\u00E7\u00E3o n\u00E3o foi conclu\u00EDda, se o erro persistir\n"
         u"anote este c\u00F3digo: A07QL e envie e-mail para\n" + email},
        {u"Error A07QL - Quillet!",
         u"An error occur during operation!\n"
         u"Operation cancelled, if the error persist\n"
         u"note this code: A07QL and send an e-mail to \n" + email},
    };
    for (std::int16_t language = 0; language < 2; ++language) {
        const auto report = composeErrorReport(stateIn(language).messages, u"A07", u"QL");
        EXPECT_EQ(report.title, reports[language].first);
        EXPECT_EQ(report.text, reports[language].second);
    }
}

TEST(ErrorReport, FirstLineFollowsTheCodesFirstCharacter)
{
    const auto state = stateIn(1);
    const std::u16string line7 = u"Operation cancelled, if the error persist\n";
    EXPECT_TRUE(composeErrorReport(state.messages, u"B12", u"")
                    .text.starts_with(u"An generic error occur during operation!\n" + line7));
    for (const char16_t* code : {u"C01", u"a07", u"", u" A07"}) {
        const auto report = composeErrorReport(state.messages, code, u"QL");
        EXPECT_TRUE(report.text.starts_with(line7))
            << "code length " << std::u16string(code).size();
    }
    EXPECT_EQ(composeErrorReport(state.messages, u"", u"").title, u"Error  - Quillet!");
}

TEST(ErrorReport, IsShownAsOneCriticalOkBox)
{
    const auto state = stateIn(0);
    FakeDialogs dialogs;
    reportError(state.messages, u"A07", u"QL", dialogs);
    ASSERT_EQ(dialogs.count(), 1u);
    const auto expected = composeErrorReport(state.messages, u"A07", u"QL");
    EXPECT_EQ(dialogs.last().icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.last().buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs.last().title, expected.title);
    EXPECT_EQ(dialogs.last().text, expected.text);
}
