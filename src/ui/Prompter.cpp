#include "ui/Prompter.h"

#include "ProgramVersion.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace {

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

class DialogPrompter final : public Prompter
{
public:
    void message(const QString& text) override
    {
        QMessageBox::information(dialogParent(), kApplicationTitle, text);
    }

    void error(const QString& text) override
    {
        QMessageBox::critical(dialogParent(), kApplicationTitle, text);
    }

    bool confirm(const QString& question) override
    {
        return QMessageBox::question(dialogParent(), kApplicationTitle, question,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
    }

    QString openFileName(const QString& filter, const QString& defaultSuffix,
                         const QString& initialName) override
    {
        return run(QFileDialog::AcceptOpen, filter, defaultSuffix, initialName);
    }

    QString saveFileName(const QString& filter, const QString& defaultSuffix,
                         const QString& initialName) override
    {
        return run(QFileDialog::AcceptSave, filter, defaultSuffix, initialName);
    }

    bool choosePrinter(QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, dialogParent());
        return dialog.exec() == QDialog::Accepted;
    }

private:
    static QString run(QFileDialog::AcceptMode mode, const QString& filter, const QString& defaultSuffix,
                       const QString& initialName)
    {
        QFileDialog dialog(dialogParent(), QString(), QString(), filter);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.selectFile(initialName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }
};

DialogPrompter g_dialogs;
Prompter* g_current = &g_dialogs;

} // namespace

Prompter& prompter()
{
    return *g_current;
}

void setPrompter(Prompter* replacement)
{
    g_current = replacement ? replacement : &g_dialogs;
}
