#pragma once

#include <QIcon>
#include <QImage>

class QApplication;

namespace kagiroi {

// The program's own icon, painted at `size` pixels: a green turf square with the three-horse
// net of a trio ticket.
QImage ProgramIconImage(int size);
QIcon ProgramIcon();

// Qt's own buttons and choosers (Yes/No, the folder chooser) speak Japanese whatever the
// user's locale: the program's texts are Japanese throughout. False when Qt's Japanese
// translations are not installed (the English ones stay).
bool InstallJapaneseQtTranslations(QApplication& app);

}  // namespace kagiroi
