#include "core/ErrorReport.h"

#include "core/Messages.h"

namespace quillet::core {

ErrorReport composeErrorReport(const MessageTable& messages, std::u16string_view code,
                               std::u16string_view suffix)
{
    ErrorReport report;
    std::u16string& text = report.text;
    if (!code.empty() && code.front() == u'A')
        text += messages[kMsgFileError] + u'\n';
    else if (!code.empty() && code.front() == u'B')
        text += messages[kMsgGenericError] + u'\n';
    text += messages[kMsgNotCompleted] + u'\n';
    text += messages[kMsgNoteCode];
    text += code;
    text += suffix;
    text += messages[kMsgSendMail] + u'\n';
    text += messages[kMsgSupportAddress];

    report.title = messages[kMsgErrorTitle];
    report.title += code;
    report.title += suffix;
    report.title += messages[kMsgErrorTitleEnd];
    return report;
}

void reportError(const MessageTable& messages, std::u16string_view code, std::u16string_view suffix,
                 platform::Dialogs& dialogs)
{
    const ErrorReport report = composeErrorReport(messages, code, suffix);
    dialogs.showMessage(platform::MessageIcon::Critical, report.title, report.text,
                        platform::MessageButtons::Ok);
}

}  // namespace quillet::core
