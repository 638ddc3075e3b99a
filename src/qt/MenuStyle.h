#pragma once
// Menus show a check mark only where an option is on: an unchecked option
// reads as a plain item, with no empty box beside it.
#include <QProxyStyle>

namespace zorbel::ui {

class MenuStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace zorbel::ui
