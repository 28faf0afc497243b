#pragma once

#include "printing/DevicePage.h"
#include "printing/TPrevX.h"

#include <QPageLayout>
#include <QString>

class QPainter;

namespace kagiroi {

// Draws a page picture on a painter whose origin is the paper's top-left corner, in the
// device's pixels.
void PaintPage(QPainter& painter, const PagePicture& page, const DeviceResolution& device);

// The document's paper as Qt lays out a page: its size and orientation, no margins.
QPageLayout PageLayoutOf(const TPrevX& document);

// The pixels per inch of the screen pen widths are judged on.
int ScreenDpi();

// Writes the document as a PDF of its paper (fonts embedded), whole or not at all; false with
// the reason when the file could not be written.
bool WritePagePdf(const TPrevX& document, const QString& path, QString* error);

}  // namespace kagiroi
