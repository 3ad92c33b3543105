#include "core/ui/LanguageWindow.h"

#include "BuildConfig.h"
#include "core/TextUtil.h"
#include "platform/ui/DesignFont.h"
#include "platform/Browser.h"
#include "platform/Dialogs.h"
#include "platform/qt/QtText.h"
#include "platform/ui/TwipsGeometry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace quillet::core::ui {

namespace {

std::u16string percentEncoded(const std::u16string& text)
{
    return platform::toU16(QString::fromLatin1(QUrl::toPercentEncoding(platform::toQString(text))));
}

QLabel* makeLabel(QWidget& parent, const char* name, const QString& text,
                  const platform::TwipsGeometry& twips, double left, double top, double width,
                  double height)
{
    auto* label = new QLabel(text, &parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    twips.place(*label, left, top, width, height);
    return label;
}

}  // namespace

bool isAcceptableEmail(const std::u16string& trimmedAddress)
{
    return !trimmedAddress.empty() && trimmedAddress.find(u'@') != std::u16string::npos &&
           trimmedAddress.find(u'.') != std::u16string::npos;
}

std::u16string signUpAddress(const std::u16string& name, const std::u16string& email,
                             std::int16_t language)
{
    return u"https://" + std::u16string(build::webHost) + u"/quillet/cadastro.asp?name=" +
           percentEncoded(name) + u"&email=" + percentEncoded(email) + u"&idioma=" +
           decimal(language);
}

LanguageWindow::LanguageWindow(SharedState& state, platform::Dialogs& dialogs,
                               platform::Browser& browser, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_browser(browser)
{
    setObjectName(QStringLiteral("frmLanguage"));
    setWindowTitle(QStringLiteral("Quillet 2007 - Idioma / Language"));
    setFont(platform::designFont());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    const platform::TwipsGeometry twips(*this);
    setFixedSize(twips.x(5160), twips.y(4200));

    makeLabel(*this, "Label1", QStringLiteral("Escolha o idioma inicial do Quillet"), twips, 120,
              120, 4920, 255);
    makeLabel(*this, "Label2", QStringLiteral("Choose Quillet Default Language"), twips, 120, 375,
              4920, 255);

    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("cmbLanguage"));
    m_language->addItem(QStringLiteral("Português"), 0);
    m_language->addItem(QStringLiteral("English"), 1);
    m_language->setAccessibleName(QStringLiteral("Idioma / Language"));
    twips.place(*m_language, 120, 720, 2400, 315);

    makeLabel(*this, "Label30",
              QStringLiteral("Cadastre-se como usuário e receba avisos sobre novas versões e "
                             "novidades do Quillet (opcional)"),
              twips, 120, 1200, 4920, 600);
    makeLabel(*this, "Label31",
              QStringLiteral("Send us your contact data and receive warnings about new versions "
                             "and news from Quillet (optional)"),
              twips, 120, 1800, 4920, 600);

    auto* nameLabel =
        makeLabel(*this, "Label4", QStringLiteral("Nome/Name:"), twips, 120, 2520, 1200, 255);
    auto* emailLabel =
        makeLabel(*this, "Label5", QStringLiteral("E-mail:"), twips, 120, 2940, 1200, 255);
    const std::array<QLabel*, 2> labels{nameLabel, emailLabel};
    for (std::size_t i = 0; i < m_data.size(); ++i) {
        m_data[i] = new QLineEdit(this);
        m_data[i]->setObjectName(QStringLiteral("txtData%1").arg(i));
        labels[i]->setBuddy(m_data[i]);
        m_data[i]->setAccessibleName(labels[i]->text());
        twips.place(*m_data[i], 1440, 2490 + 420 * static_cast<double>(i), 3600, 315);
    }

    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("cmdOk"));
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    twips.place(*m_ok, 3840, 3540, 1200, 375);

    setTabOrder(m_language, m_data[0]);
    setTabOrder(m_data[0], m_data[1]);
    setTabOrder(m_data[1], m_ok);

    connect(m_ok, &QPushButton::clicked, this, &LanguageWindow::confirm);

    m_language->setCurrentIndex(0);
    m_language->setFocus();
}

void LanguageWindow::confirm()
{
    const QVariant chosen = m_language->currentData();
    if (chosen.isValid())
        m_state.interfaceLanguage = static_cast<std::int16_t>(chosen.toInt());

    const std::u16string name = trimSpaces(platform::toU16(m_data[0]->text()));
    const std::u16string email = trimSpaces(platform::toU16(m_data[1]->text()));
    if (name.empty() && email.empty()) {
        accept();
        return;
    }
    if (!isAcceptableEmail(email)) {
        m_dialogs.showMessage(platform::MessageIcon::Exclamation, u"Quillet",
                              u"E-mail inválido! / Invalid e-mail!", platform::MessageButtons::Ok);
        m_data[1]->setFocus();
        return;
    }
    m_browser.open(signUpAddress(name, email, m_state.interfaceLanguage));
    accept();
}

void runLanguageChooser(SharedState& state, platform::Dialogs& dialogs, platform::Browser& browser)
{
    LanguageWindow window(state, dialogs, browser);
    QTimer::singleShot(0, &window, [&window] {
        window.raise();
        window.activateWindow();
    });
    window.exec();
}

}  // namespace quillet::core::ui
