#include "dictionary/ui/DictionaryChooser.h"

#include "core/InterfaceTexts.h"
#include "dictionary/DictionaryFiles.h"
#include "platform/Clipboard.h"
#include "platform/qt/QtText.h"
#include "widgets/DesignFont.h"
#include "widgets/TwipsGeometry.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace quillet::dictionary::ui {

using platform::toQString;

DictionaryChooser::DictionaryChooser(core::SharedState& state, platform::Clipboard& clipboard,
                                     DictionaryFiles& files, const platform::Screen& screen,
                                     QWidget* parent)
    : QDialog(parent), m_state(state), m_clipboard(clipboard), m_files(files)
{
    setObjectName(QStringLiteral("frmDictionary"));
    setFont(widgets::designFont());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    const widgets::TwipsGeometry twips(screen);
    setFixedSize(twips.x(4320), twips.y(1560));

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("lblDic"));
    twips.place(*m_label, 120, 120, 4080, 255);

    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("cmbDicionario"));
    m_label->setBuddy(m_list);
    twips.place(*m_list, 120, 420, 4080, 315);

    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("cmdOk"));
    m_ok->setDefault(true);
    twips.place(*m_ok, 3000, 1020, 1200, 375);

    setTabOrder(m_list, m_ok);
    connect(m_ok, &QPushButton::clicked, this, &DictionaryChooser::confirm);

    applyLanguage();
}

void DictionaryChooser::setEntries(const CatalogueResult& catalogue)
{
    m_list->clear();
    m_rows.clear();
    for (const ChooserEntry& entry : catalogue.entries) {
        m_list->addItem(toQString(entry.name));
        m_rows.push_back(entry.row);
    }
    m_list->setCurrentIndex(catalogue.selected);
}

int DictionaryChooser::selectedRow() const
{
    const int position = m_list->currentIndex();
    if (position < 0 || static_cast<std::size_t>(position) >= m_rows.size())
        return -1;
    return m_rows[static_cast<std::size_t>(position)];
}

void DictionaryChooser::applyLanguage()
{
    setWindowTitle(toQString(core::interfaceText(m_state, u"frmDictionary", u"")));
    m_label->setText(toQString(core::interfaceText(m_state, u"frmDictionary", u"lblDic")));
    m_list->setAccessibleName(m_label->text());
}

void DictionaryChooser::confirm()
{
    const int row = selectedRow();
    if (row < 0)
        return;

    m_clipboard.clear();
    const Activation activation = switchDictionary(m_files, m_state, row);
    emit pronunciationAvailable(activation.pronunciationEnabled);
    emit mainTitleChanged(toQString(core::mainWindowTitle(m_state)));
    emit idleLookRequested();
    accept();
}

}  // namespace quillet::dictionary::ui
