#pragma once
// The numbered message table, filled in the interface language. Numbers not
// named here hold empty text.

#include "core/SharedState.h"

#include <string>
#include <string_view>

namespace quillet::core {

inline constexpr int kMsgPleaseWait = 0;
inline constexpr int kMsgNotFound = 1;
inline constexpr int kMsgBadInstallation = 3;
inline constexpr int kMsgWarningTitle = 4;
inline constexpr int kMsgFileError = 5;
inline constexpr int kMsgGenericError = 6;
inline constexpr int kMsgNotCompleted = 7;
inline constexpr int kMsgNoteCode = 8;
inline constexpr int kMsgSendMail = 9;
inline constexpr int kMsgSupportAddress = 10;
inline constexpr int kMsgErrorTitle = 11;
inline constexpr int kMsgErrorTitleEnd = 12;
inline constexpr int kMsgSpeechErrorTitle = 29;
inline constexpr int kMsgEditorClose = 40;
inline constexpr int kMsgSearchPrompt = 73;
inline constexpr int kMsgEditorAdd = 74;
inline constexpr int kMsgEditorSave = 75;
inline constexpr int kMsgNewVersion = 76;
inline constexpr int kMsgEditorTitle = 84;
inline constexpr int kMsgEditorWord = 87;
inline constexpr int kMsgEditorTranslation = 88;
inline constexpr int kMsgEditorDetails = 89;
inline constexpr int kMsgSpeechError = 90;
// The caller appends the path of the settings file.
inline constexpr int kMsgSettingsNotSaved = 91;
// Refusals of the user dictionary editor; nothing is written when one is shown.
// The caller puts in place of %1 the characters left for the translation or
// the details, or the character that cannot be stored.
inline constexpr int kMsgUserWordTooLong = 92;
inline constexpr int kMsgUserNoteTooLong = 93;
inline constexpr int kMsgUserTextNotStorable = 94;
inline constexpr int kMsgUserWriteFailed = 95;
// The user's folders and files that cannot be used; the program goes on
// without saving there. %1 is the path, %2 one of the reasons below.
inline constexpr int kMsgUserFolderUnusable = 96;
inline constexpr int kMsgUserFileUnusable = 97;
// %1 is the path of the user's catalogue; the installed one is used instead.
inline constexpr int kMsgUserCatalogueUnusable = 98;
inline constexpr int kMsgReasonNotRegular = 99;
inline constexpr int kMsgReasonTooLarge = 100;
inline constexpr int kMsgReasonCannotCreate = 77;
inline constexpr int kMsgReasonNotPrivate = 78;
// %1 is the address no browser could be started for.
inline constexpr int kMsgNoBrowser = 79;

// `text` with its first %1 and %2 replaced by `first` and `second`.
std::u16string fillMessage(std::u16string text, std::u16string_view first,
                           std::u16string_view second = {});

// Overwrites every numbered message for `state.interfaceLanguage`
// (0 Portuguese, anything else English) and empties the others.
void loadMessages(SharedState& state);

}  // namespace quillet::core
