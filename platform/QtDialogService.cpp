#include "platform/QtDialogService.h"

#include "platform/Application.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace quillon {

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList nameFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        // QFileDialog keeps its filters simplified; the same text finds the chosen entry again.
        nameFilters << (parts[i] + QStringLiteral(" (") + patterns + u')').simplified();
    }
    return nameFilters;
}

namespace {

std::optional<FileDialogAnswer> runFileDialog(QWidget* owner, const FileDialogRequest& request,
                                              QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    // A typed name of a missing file is accepted: the load that follows reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    const QStringList nameFilters = qtNameFilters(request.filter);
    dialog.setNameFilters(nameFilters);
    if (request.filterIndex >= 1 && request.filterIndex <= nameFilters.size())
        dialog.selectNameFilter(nameFilters[request.filterIndex - 1]);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const auto chosen = nameFilters.indexOf(dialog.selectedNameFilter());
    return FileDialogAnswer{dialog.selectedFiles().constFirst(),
                            chosen >= 0 ? int(chosen) + 1 : request.filterIndex};
}

} // namespace

std::optional<FileDialogAnswer> QtDialogService::openFile(QWidget* owner,
                                                          const FileDialogRequest& request) {
    return runFileDialog(owner, request, QFileDialog::AcceptOpen);
}

std::optional<FileDialogAnswer> QtDialogService::saveFile(QWidget* owner,
                                                          const FileDialogRequest& request) {
    return runFileDialog(owner, request, QFileDialog::AcceptSave);
}

std::optional<QFont> QtDialogService::chooseFont(QWidget* owner, const QFont& initial) {
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, initial, owner);
    return accepted ? std::optional<QFont>(font) : std::nullopt;
}

DialogButton QtDialogService::confirm(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton,
                    owner);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return DialogButton::Yes;
    if (box.clickedButton() == no)
        return DialogButton::No;
    return DialogButton::Cancel;
}

void QtDialogService::showMessage(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Application::instance().title(), text, QMessageBox::Ok,
                    owner);
    box.exec();
}

std::optional<QString> QtDialogService::prompt(QWidget* owner, const QString& caption,
                                               const QString& label, const QString& initial,
                                               int maxLength) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    if (auto* field = dialog.findChild<QLineEdit*>())
        field->setMaxLength(maxLength);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void QtDialogService::reportError(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Critical, Application::instance().title(), text, QMessageBox::Ok,
                    owner);
    box.exec();
}

} // namespace quillon
