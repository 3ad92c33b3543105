#pragma once
// Message boxes through QMessageBox.

#include "platform/Dialogs.h"

class QWidget;

namespace quillet::platform {

class QtDialogs : public Dialogs
{
public:
    MessageAnswer showMessage(MessageIcon icon, const std::u16string& title,
                              const std::u16string& text, MessageButtons buttons) override;

    // Boxes are centred on this window when it is set; it must outlive its use.
    void setParentWindow(QWidget* parent) { m_parent = parent; }

private:
    QWidget* m_parent = nullptr;
};

}  // namespace quillet::platform
