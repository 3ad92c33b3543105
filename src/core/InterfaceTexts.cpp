#include "core/InterfaceTexts.h"

#include "core/CatalogueFields.h"
#include "core/ProductTitle.h"

namespace quillet::core {
namespace {

struct Row
{
    std::u16string_view window;
    std::u16string_view control;
    int element;
    TextProperty property;
    std::u16string portuguese;
    std::u16string english;
};

// The main window's title depends on the catalogue; its row only fixes the
// place in the order.
std::vector<Row> rows(const SharedState& state)
{
    using P = TextProperty;
    const std::u16string& host = state.webHost;
    return {
        {u"frmPrincipal", u"cmdGo", -1, P::Tooltip, u"Inicia a procura da palavra.",
         u"Start search."},
        {u"frmPrincipal", u"cmdOptions", -1, P::Tooltip, u"Abre/Fecha barra de opções.",
         u"Open/Close the toolbar."},
        {u"frmTools", u"cmdTool", 0, P::Tooltip, u"Alterna entre os modos Normal e Sempre Visível.",
         u"Set Normal or Always on Top mode."},
        {u"frmTools", u"cmdTool", 1, P::Tooltip, u"Troca o dicionário ativo.",
         u"Change the Active Dictionary."},
        {u"frmTools", u"cmdTool", 2, P::Tooltip, u"Troca o idioma da interface do Quillet.",
         u"Set the language of Quillet Interface."},
        {u"frmTools", u"cmdTool", 3, P::Tooltip, u"Inclui / Altera Palavras no Dicionário.",
         u"Add/Change words in the dictionary database."},
        {u"frmTools", u"cmdTool", 4, P::Tooltip, u"Instruções de uso do Quillet.",
         u"Quillet help."},
        host.empty() ? Row{u"frmTools", u"cmdTool", 5, P::Tooltip,
                           u"Indisponível: esta versão do Quillet não tem site.",
                           u"Unavailable: this build of Quillet has no web site."}
                     : Row{u"frmTools", u"cmdTool", 5, P::Tooltip,
                           u"Acesso a funcionalidades no site " + host + u".",
                           u"Use the " + host + u" website options."},
        {u"frmTools", u"", -1, P::Title, u"Opções", u"Options"},
        {u"frmPrincipal", u"", -1, P::Title, u"", u""},
        {u"frmDetalhes", u"cmdDetalhes", 0, P::Tooltip, u"Escute a pronúncia desta palavra.",
         u"Listen the word."},
        {u"frmDetalhes", u"lblDet", -1, P::Caption, u"+Detalhes", u"+Details"},
        {u"frmDetalhes", u"lblOutras", -1, P::Caption, u"+Possibilidades", u"+Possibilities"},
        {u"frmDictionary", u"lblDic", -1, P::Caption, u"Escolha o dicionário:",
         u"Choose the dictionary:"},
        {u"frmDictionary", u"", -1, P::Title, u"Dicionário", u"Dictionary"},
    };
}

}  // namespace

std::vector<InterfaceText> interfaceTexts(const SharedState& state)
{
    const bool english = isEnglish(state);
    std::vector<InterfaceText> texts;
    for (auto& row : rows(state)) {
        std::u16string text = english ? std::move(row.english) : std::move(row.portuguese);
        if (row.window == u"frmPrincipal" && row.property == TextProperty::Title)
            text = mainWindowTitle(state);
        texts.push_back({row.window, row.control, row.element, row.property, std::move(text)});
    }
    return texts;
}

std::u16string interfaceText(const SharedState& state, std::u16string_view window,
                             std::u16string_view control, int element)
{
    for (auto& text : interfaceTexts(state))
        if (text.window == window && text.control == control && text.element == element)
            return std::move(text.text);
    return {};
}

std::u16string mainWindowTitle(const SharedState& state)
{
    std::u16string title(kProductTitle);
    title += u" - ";
    if (const DictionaryRow* row = catalogueRow(state, state.activeDictionary))
        title += catalogueField(*row, nameField(state));
    return title;
}

}  // namespace quillet::core
