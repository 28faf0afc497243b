#pragma once

#include <QIcon>
#include <QImage>

class QApplication;
class QWidget;

namespace kagiroi {

// The program's own icon, painted at `size` pixels: a green turf square with the three-horse
// net of a trio ticket.
QImage ProgramIconImage(int size);
QIcon ProgramIcon();

// Qt's own buttons and choosers (Yes/No, the folder chooser) speak Japanese whatever the
// user's locale: the program's texts are Japanese throughout. False when Qt's Japanese
// translations are not installed (the English ones stay).
bool InstallJapaneseQtTranslations(QApplication& app);

// A chart's canvas: white whatever the desktop's colours, as the charts saved as PNG are.
void PaintAsChartCanvas(QWidget* chart);

}  // namespace kagiroi
