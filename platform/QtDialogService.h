#pragma once

#include "platform/DialogService.h"

namespace quillon {

// The dialogs a person sees.
class QtDialogService final : public DialogService {
public:
    std::optional<FileDialogAnswer> openFile(QWidget* owner, const FileDialogRequest&) override;
    std::optional<FileDialogAnswer> saveFile(QWidget* owner, const FileDialogRequest&) override;
    std::optional<QFont> chooseFont(QWidget* owner, const QFont& initial) override;
    DialogButton confirm(QWidget* owner, const QString& text) override;
    void showMessage(QWidget* owner, const QString& text) override;
    std::optional<QString> prompt(QWidget* owner, const QString& caption, const QString& label,
                                  const QString& initial, int maxLength) override;
    void reportError(QWidget* owner, const QString& text) override;
};

// Qt name filters ("label (*.a *.b)", blanks simplified as QFileDialog shows them) for a filter
// string of label|patterns pairs.
QStringList qtNameFilters(const QString& filter);

} // namespace quillon
