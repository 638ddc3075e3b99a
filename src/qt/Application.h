#pragma once
// The application object, made so that a display that cannot be reached
// ends the game with one plain line and a failure status. Qt's own way is
// abort(): a core dump and a page of advice about reinstalling.
#include <QApplication>
#include <memory>

namespace zorbel::ui {

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv);

}  // namespace zorbel::ui
