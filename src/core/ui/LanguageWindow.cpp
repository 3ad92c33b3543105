#include "core/ui/LanguageWindow.h"

#include "core/ProductTitle.h"
#include "core/TextUtil.h"
#include "core/WebAddresses.h"
#include "platform/Browser.h"
#include "platform/Dialogs.h"
#include "platform/qt/QtText.h"
#include "widgets/DesignFont.h"
#include "widgets/TwipsGeometry.h"

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
                  const widgets::TwipsGeometry& twips, double left, double top, double width,
                  double height)
{
    auto* label = new QLabel(text, &parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    twips.place(*label, left, top, width, height);
    return label;
}

QComboBox* makeLanguageList(QWidget& parent, const widgets::TwipsGeometry& twips)
{
    makeLabel(parent, "Label1", QStringLiteral("Escolha o idioma inicial do Quillet"), twips, 120,
              120, 4920, 255);
    makeLabel(parent, "Label2", QStringLiteral("Choose Quillet Default Language"), twips, 120, 375,
              4920, 255);

    auto* language = new QComboBox(&parent);
    language->setObjectName(QStringLiteral("cmbLanguage"));
    language->addItem(QStringLiteral("Português"), 0);
    language->addItem(QStringLiteral("English"), 1);
    language->setAccessibleName(QStringLiteral("Idioma / Language"));
    twips.place(*language, 120, 720, 2400, 315);
    return language;
}

// The name box (txtData0) and the address box (txtData1) under their
// invitation. Without a web site there is nowhere to send the data: the
// invitation says so and the boxes stay hidden, the rest of the window in its
// place.
std::array<QLineEdit*, 2> makeSignUpBoxes(QWidget& parent, const widgets::TwipsGeometry& twips,
                                          bool available)
{
    makeLabel(parent, "Label30",
              available ? QStringLiteral("Cadastre-se como usuário e receba avisos sobre novas "
                                         "versões e novidades do Quillet (opcional)")
                        : QStringLiteral("Esta versão do Quillet não tem site: o cadastro de "
                                         "usuários não está disponível."),
              twips, 120, 1200, 4920, 600);
    makeLabel(parent, "Label31",
              available ? QStringLiteral("Send us your contact data and receive warnings about "
                                         "new versions and news from Quillet (optional)")
                        : QStringLiteral("This build of Quillet has no web site: sign-up is not "
                                         "available."),
              twips, 120, 1800, 4920, 600);

    const std::array<QLabel*, 2> labels{
        makeLabel(parent, "Label4", QStringLiteral("Nome/Name:"), twips, 120, 2520, 1200, 255),
        makeLabel(parent, "Label5", QStringLiteral("E-mail:"), twips, 120, 2940, 1200, 255)};
    std::array<QLineEdit*, 2> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = new QLineEdit(&parent);
        boxes[i]->setObjectName(QStringLiteral("txtData%1").arg(i));
        labels[i]->setBuddy(boxes[i]);
        boxes[i]->setAccessibleName(labels[i]->text());
        twips.place(*boxes[i], 1440, 2490 + 420 * static_cast<double>(i), 3600, 315);
        boxes[i]->setVisible(available);
        labels[i]->setVisible(available);
    }
    return boxes;
}

QPushButton* makeOkButton(QWidget& parent, const widgets::TwipsGeometry& twips)
{
    auto* ok = new QPushButton(QStringLiteral("&Ok"), &parent);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    twips.place(*ok, 3840, 3540, 1200, 375);
    return ok;
}

}  // namespace

bool isAcceptableEmail(const std::u16string& trimmedAddress)
{
    return !trimmedAddress.empty() && trimmedAddress.find(u'@') != std::u16string::npos &&
           trimmedAddress.find(u'.') != std::u16string::npos;
}

std::u16string signUpAddress(const std::u16string& host, const std::u16string& name,
                             const std::u16string& email, std::int16_t language)
{
    return pageAddress(host, u"/quillet/cadastro.asp",
                       u"?name=" + percentEncoded(name) + u"&email=" + percentEncoded(email) +
                           u"&idioma=" + decimal(language));
}

LanguageWindow::LanguageWindow(SharedState& state, platform::Dialogs& dialogs,
                               platform::Browser& browser, const platform::Screen& screen,
                               QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_browser(browser)
{
    setObjectName(QStringLiteral("frmLanguage"));
    setWindowTitle(platform::toQString(kProductTitle) + QStringLiteral(" - Idioma / Language"));
    setFont(widgets::designFont());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    const widgets::TwipsGeometry twips(screen);
    setFixedSize(twips.x(5160), twips.y(4200));
    m_languageList = makeLanguageList(*this, twips);
    m_signUpBoxes = makeSignUpBoxes(*this, twips, !m_state.webHost.empty());
    m_okButton = makeOkButton(*this, twips);

    setTabOrder(m_languageList, m_signUpBoxes[0]);
    setTabOrder(m_signUpBoxes[0], m_signUpBoxes[1]);
    setTabOrder(m_signUpBoxes[1], m_okButton);
    connect(m_okButton, &QPushButton::clicked, this, &LanguageWindow::confirm);

    m_languageList->setCurrentIndex(0);
    m_languageList->setFocus();
}

void LanguageWindow::confirm()
{
    const QVariant chosen = m_languageList->currentData();
    if (chosen.isValid())
        m_state.interfaceLanguage = static_cast<std::int16_t>(chosen.toInt());

    const std::u16string name = trimSpaces(platform::toU16(m_signUpBoxes[0]->text()));
    const std::u16string email = trimSpaces(platform::toU16(m_signUpBoxes[1]->text()));
    if ((name.empty() && email.empty()) || m_state.webHost.empty()) {
        accept();
        return;
    }
    if (!isAcceptableEmail(email)) {
        m_dialogs.showMessage(platform::MessageIcon::Exclamation, u"Quillet",
                              u"E-mail inválido! / Invalid e-mail!", platform::MessageButtons::Ok);
        m_signUpBoxes[1]->setFocus();
        return;
    }
    if (!m_browser.open(signUpAddress(m_state.webHost, name, email, m_state.interfaceLanguage)))
        m_dialogs.showMessage(platform::MessageIcon::Exclamation, u"Quillet",
                              u"Não foi possível abrir um navegador. / No web browser could be "
                              u"opened.",
                              platform::MessageButtons::Ok);
    accept();
}

void runLanguageChooser(SharedState& state, platform::Dialogs& dialogs, platform::Browser& browser,
                        const platform::Screen& screen)
{
    LanguageWindow window(state, dialogs, browser, screen);
    QTimer::singleShot(0, &window, [&window] {
        window.raise();
        window.activateWindow();
    });
    window.exec();
}

}  // namespace quillet::core::ui
