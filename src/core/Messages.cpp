#include "core/Messages.h"

#include "BuildConfig.h"
#include "core/ProductTitle.h"

#include <utility>

namespace quillet::core {
namespace {

struct MessageText
{
    int number;
    const char16_t* portuguese;
    const char16_t* english;
};

// Leading and trailing spaces belong to the texts. 76 holds LF CR, in that
// order, between its two sentences.
constexpr MessageText kMessages[] = {
    {kMsgPleaseWait, u" Por favor aguarde... ", u" Wait, please... "},
    {kMsgNotFound, u"Não encontrado!", u"Not found!"},
    {kMsgBadInstallation, u"Instalação incorreta, favor re-instalar o dicionário!",
     u"Error! Re-install " QUILLET_PRODUCT_TITLE u", please!"},
    {kMsgWarningTitle, u"Atenção!", u"Warning!"},
    {kMsgFileError, u"Um erro de arquivo ocorreu durante a operação!",
     u"An error occur during operation!"},
    {kMsgGenericError, u"Um erro genérico ocorreu durante a operação!",
     u"An generic error occur during operation!"},
    {kMsgNotCompleted, u"A operação não foi concluída, se o erro persistir",
     u"Operation cancelled, if the error persist"},
    {kMsgNoteCode, u"anote este código: ", u"note this code: "},
    {kMsgSendMail, u" e envie e-mail para", u" and send an e-mail to "},
    {kMsgSupportAddress, build::supportEmail, build::supportEmail},
    {kMsgErrorTitle, u"Erro ", u"Error "},
    {kMsgErrorTitleEnd, u" - Quillet!", u" - Quillet!"},
    {kMsgSpeechErrorTitle, QUILLET_PRODUCT_TITLE u" - Erro", QUILLET_PRODUCT_TITLE u" - Error"},
    {kMsgEditorClose, u"&Sair", u"&Close"},
    {kMsgSearchPrompt, u"<Digite a palavra para busca ou selecione no texto e pressione Ctrl+C>",
     u"<Type the word to search here or select the word in text and press Ctrl+C>"},
    {kMsgEditorAdd, u"&Incluir", u"&Add"},
    {kMsgEditorSave, u"&Salvar", u"&Save"},
    {kMsgNewVersion,
     u"Uma nova versão do " QUILLET_PRODUCT_TITLE u" está disponível para download!\n\r"
     u"Deseja fazer o download da nova versão agora?",
     u"A new " QUILLET_PRODUCT_TITLE u" version is available!\n\r"
     u"Do you want to download the new version now?"},
    {kMsgEditorTitle, u"Incluir/Alterar Palavras", u"Insert/Edit Words"},
    {kMsgEditorWord, u"Palavra", u"Word"},
    {kMsgEditorTranslation, u"Tradução", u"Translation"},
    {kMsgEditorDetails, u"Detalhes", u"Details"},
    {kMsgSpeechError, u"Erro! Não foi possível iniciar o sintetizador de voz!",
     u"Error! Can't start the voice system!"},
    {kMsgSettingsNotSaved, u"Não foi possível gravar as configurações em ",
     u"Could not save the settings to "},
    {kMsgUserWordTooLong,
     u"A tradução é longa demais para o dicionário do usuário: com esta palavra, "
     u"ela pode ter no máximo %1 caracteres. Encurte-a e salve de novo.",
     u"The translation is too long for the user dictionary: with this word it "
     u"can hold at most %1 characters. Shorten it and save again."},
    {kMsgUserNoteTooLong,
     u"Os detalhes são longos demais para o dicionário do usuário: com esta palavra, "
     u"podem ter no máximo %1 caracteres. Encurte-os e salve de novo.",
     u"The details are too long for the user dictionary: with this word they "
     u"can hold at most %1 characters. Shorten them and save again."},
    {kMsgUserTextNotStorable,
     u"O dicionário do usuário não pode guardar o caractere %1. Retire-o e salve de novo.",
     u"The user dictionary cannot store the character %1. Remove it and save again."},
    {kMsgUserWriteFailed, u"Não foi possível gravar no dicionário do usuário.",
     u"Could not write to the user dictionary."},
    {kMsgUserFolderUnusable,
     u"A pasta %1 não pode ser usada: %2. O dicionário funciona, mas as palavras incluídas "
     u"e as configurações não serão gravadas nela.",
     u"The folder %1 cannot be used: %2. The dictionary works, but your words and settings "
     u"will not be saved there."},
    {kMsgUserFileUnusable,
     u"O arquivo do dicionário do usuário %1 não pode ser usado: %2. O dicionário funciona, "
     u"mas as palavras incluídas não serão gravadas.",
     u"The user dictionary file %1 cannot be used: %2. The dictionary works, but the words "
     u"you add will not be saved."},
    {kMsgUserCatalogueUnusable,
     u"O catálogo de dicionários %1 não tem nenhuma linha utilizável; será usado o catálogo "
     u"instalado.",
     u"The dictionary catalogue %1 has no usable line; the installed catalogue is used "
     u"instead."},
    {kMsgReasonNotRegular, u"não é um arquivo comum", u"it is not a regular file"},
    {kMsgReasonTooLarge, u"é grande demais", u"it is too large"},
    {kMsgReasonCannotCreate, u"falha ao criar ou ler", u"it cannot be created or read"},
    {kMsgNoBrowser, u"Não foi possível abrir um navegador para mostrar %1",
     u"No web browser could be opened to show %1"},
    {kMsgReasonNotPrivate, u"pertence a outro usuário ou outros usuários podem gravar nela",
     u"it belongs to another user or other users can write to it"},
};

}  // namespace

std::u16string fillMessage(std::u16string text, std::u16string_view first,
                           std::u16string_view second)
{
    for (const auto& [marker, value] : {std::pair{u"%1", first}, {u"%2", second}})
        if (const auto at = text.find(marker); at != std::u16string::npos)
            text.replace(at, 2, value);
    return text;
}

void loadMessages(SharedState& state)
{
    const bool english = isEnglish(state);
    for (auto& message : state.messages) message.clear();
    for (const auto& message : kMessages)
        state.messages[message.number] = english ? message.english : message.portuguese;
}

}  // namespace quillet::core
