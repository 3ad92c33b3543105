#include "widgets/TwipsGeometry.h"

#include "platform/Screen.h"

#include <QWidget>

namespace quillet::widgets {

TwipsGeometry::TwipsGeometry(const platform::Screen& screen)
    : m_factorX(screen.twipsPerPixelX()), m_factorY(screen.twipsPerPixelY())
{
}

void TwipsGeometry::place(QWidget& control, double left, double top, double width,
                          double height) const
{
    control.setGeometry(rect(left, top, width, height));
}

}  // namespace quillet::widgets
