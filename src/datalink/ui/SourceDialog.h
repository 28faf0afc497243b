#pragma once

#include "datalink/JvLinkSourceDialog.h"

#include <QWidget>

namespace kagiroi {

// The choice of the data source on Qt: the demo data service, the installed JV-Link component
// or a folder of record files.
class SourceDialog : public JvLinkSourceDialog {
  public:
    explicit SourceDialog(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> ChooseSource(const std::string& current) override;

  private:
    QWidget* parent_;
};

}  // namespace kagiroi
