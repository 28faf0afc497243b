#include "printing/ui/ProgramPrinter.h"

#include "printing/TAllPrintForm.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace kagiroi {

QPrinter* ProgramPrinter() {
    static std::unique_ptr<QPrinter> printer;
    if (QPrinterInfo::availablePrinters().isEmpty()) return nullptr;
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Positions are measured from the paper's corner, not from the printable area's.
        printer->setFullPage(true);
    }
    return printer.get();
}

bool OpenPrinterSetup(Ui& ui, QWidget* parent) {
    QPrinter* printer = ProgramPrinter();
    if (!RequirePrinterInstalled(printer != nullptr, ui)) return false;
    QPrintDialog dialog(printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace kagiroi
